// Prints a number: the first argument, or one read from standard input when
// there is none (0 when it cannot be read).
#include <cstdio>
#include <cstdlib>

#include "common/input.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int value = 0;
    if (argc < 2) {
        printf("Please enter a number: ");
        common::scan_int(value);
    } else {
        value = common::to_int(common::strtol64(argv[1], nullptr, 10));
    }
    printf("The input is %d\n", value);
    return 0;
}
