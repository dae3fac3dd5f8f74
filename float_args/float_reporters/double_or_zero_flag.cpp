// Prints x + x, or x - x when the second argument is "-p". A missing second
// argument is not "-p".
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 1)) {
        puts("Usage: program [positive|-p] number1 number2");
        return 1;
    }
    double x = atof(argv[1]);
    if (strcmp(common::arg_or_empty(argc, argv, 2), "-p") == 0)
        printf("Result: %lf\n", x - x);
    else
        printf("Result: %lf\n", x + x);
    return 0;
}
