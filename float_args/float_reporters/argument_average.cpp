// Adds its arguments as numbers and divides by the word count, the
// invocation name included.
#include <cstdio>
#include <cstdlib>

#include "common/fp.hpp"

int main(int argc, char* argv[]) {
    double sum = 0;
    for (int i = 1; i < argc; ++i) sum = common::add_in_order(sum, atof(argv[i]));
    printf("Average: %f\n", sum / argc);
    return 0;
}
