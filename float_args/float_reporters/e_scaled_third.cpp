// Reads a float and prints it times 2.71828, divided by 3 (in double).
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/fp.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <expression>\n", argv[0]);
    float f = strtof(argv[1], nullptr);
    double scaled = common::mul(common::widen(f), 2.71828);
    printf("The result is %f\n", common::div(scaled, 3.0));
    return 0;
}
