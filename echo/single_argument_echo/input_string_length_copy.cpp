// Copies its argument into a 100-byte buffer and reports the copy and its
// length, taken from the end pointer the copy returns. An argument of 100
// bytes or more does not fit and is refused with the usage line.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"
#include "common/copy.hpp"

int main(int argc, char* argv[]) {
    char buffer[100];
    if (!common::has_args(argc, 1) || !common::fits(buffer, argv[1]))
        return common::usage(1, "Usage: %s input\n", argv[0]);
    char* end = stpcpy(buffer, argv[1]);
    printf("Input string: %s\n", buffer);
    printf("Length of input string: %d\n", static_cast<int>(end - buffer));
    return 0;
}
