// Square and cube of its first argument, which must start with a digit (a
// missing argument does not).
#include <cctype>
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    const char* text = common::arg_or_empty(argc, argv, 1);
    if (!isdigit(static_cast<unsigned char>(text[0]))) {
        printf("Invalid input. Please provide a number as the first command-line argument.");
        return 1;
    }
    int n = common::atoi_int(text);
    int square = common::wrap_mul(n, n);
    printf("Input: %d\n", n);
    printf("Square of %d is %d.\n", n, square);
    printf("Cube of %d is %d.\n", n, common::wrap_mul(square, n));
    return 0;
}
