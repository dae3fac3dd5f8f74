// Asks for a number it does not use and prints its one argument as an integer.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/input.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    printf("Enter a number: ");
    int unused = 0;
    common::scan_int(unused);

    if (common::has_args(argc, 1))
        printf("You entered %d\n", common::to_int(common::strtol64(argv[1], nullptr, 10)));
    else
        printf("Error: incorrect input. Please enter a number and use argv[0] to terminate.");
    return 0;
}
