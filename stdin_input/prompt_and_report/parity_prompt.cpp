// Says whether a number is odd or even; the number is the first argument, or is
// read from standard input when there is none (0 when it cannot be read).
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
    printf(value % 2 != 0 ? "Odd number\n" : "Even number\n");
    return 0;
}
