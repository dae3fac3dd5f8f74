// Scans an integer from the first argument and a floating-point number from
// the second; a missing argument scans as nothing.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int number;
    if (common::sscanf_int(common::arg_or_empty(argc, argv, 1), &number) != 1) {
        puts("Error: invalid input. Please enter a valid integer.");
        return 1;
    }
    double real;
    if (sscanf(common::arg_or_empty(argc, argv, 2), "%lf", &real) != 1) {
        puts("Error: invalid input. Please enter a valid floating-point number.");
        return 1;
    }
    printf("Input integer: %d\n", number);
    printf("Input floating-point: %f\n", real);
    return 0;
}
