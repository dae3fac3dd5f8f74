// Adds its arguments as numbers and divides by the word count, the
// invocation name included.
#include <cstdio>
#include <cstdlib>

#include "common/fp.hpp"

int main(int argc, char* argv[]) {
    double sum = 0;
    // A partial sum past DBL_MAX is inf, and stays so.
    for (int i = 1; i < argc; ++i) sum = common::add(sum, atof(argv[i]));
    printf("Average: %f\n", common::div(sum, argc));
    return 0;
}
