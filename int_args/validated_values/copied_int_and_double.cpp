// Copies its argument into a 100-byte buffer (longer text is cut to 99
// characters) and prints the copy's value as an int and as a double.
#include <cstdio>

#include "common/args.hpp"
#include "common/copy.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <input>\n", argv[0]);
    char buffer[100];
    common::copy_bounded(buffer, argv[1]);
    int value = common::atoi_int(buffer);
    printf("Result: %d\n", value);
    printf("Double Result: %f\n", static_cast<double>(value));
    return 0;
}
