// Echoes its one argument when it scans as an integer.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s integer\n", argv[0]);
    int value;
    if (common::sscanf_int(argv[1], &value) != 1) {
        puts("Invalid input. Please enter an integer.");
        return 2;
    }
    printf("The input is %d\n", value);
    return 0;
}
