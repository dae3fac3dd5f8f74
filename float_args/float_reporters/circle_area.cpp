// Prints the area of a circle of the given radius, to two decimals.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/fp.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Error: Please enter the radius of the circle.");
        return 1;
    }
    double r = atof(argv[1]);
    double pi_r = common::mul(3.14159265359, r);
    printf("The area of the circle is %.2f.\n", common::mul(r, pi_r));
    return 0;
}
