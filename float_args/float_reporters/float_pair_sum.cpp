// Prints the sum of its first two arguments; with fewer it only asks for
// them, and still succeeds. A sum without a value (inf + -inf) is the
// negative default NaN, "-nan"; a NaN argument gives itself back.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/fp.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 2)) {
        puts("Please provide at least two input values.");
        return 0;
    }
    printf("The sum is %f\n", common::add(atof(argv[1]), atof(argv[2])));
    return 0;
}
