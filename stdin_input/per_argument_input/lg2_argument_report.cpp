// Asks for a number under each argument's name (the numbers are not used),
// then prints every argument's value times the common logarithm of 2.
#include <cstdio>

#include "common/input.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; i++) {
        printf("Input %s: ", argv[i]);
        int ignored = 0;
        common::scan_int(ignored);
    }
    for (int i = 1; i < argc; i++) {
        int x = common::atoi_int(argv[i]);
        printf("%d * lg2(x) = %.2f\n", x, x * 0.3010299956639812);
    }
    return 0;
}
