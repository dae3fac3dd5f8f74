// Reads a number and accepts it when it is the character code of a decimal
// digit (48 to 57); otherwise the first argument is named as invalid ("(null)"
// when there is none). A number that cannot be read is 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/input.hpp"

int main(int argc, char* argv[]) {
    printf("Enter a number: ");
    int v = 0;
    common::scan_int(v);
    if (v >= '0' && v <= '9')
        printf("%d is an integer.", v);
    else
        printf("%s is not a valid integer input.", common::arg(argc, argv, 1));
    return 0;
}
