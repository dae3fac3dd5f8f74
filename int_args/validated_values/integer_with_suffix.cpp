// Takes an integer and a suffix word; prints the integer (the suffix is not used).
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int value;
    if (common::has_args(argc, 2) && common::sscanf_int(argv[1], &value) == 1)
        printf("The integer is: %d\n", value);
    else
        printf("Invalid input. Please enter an integer and its suffix (e.g., '++' or '-1') as command-line "
               "arguments.");
    return 0;
}
