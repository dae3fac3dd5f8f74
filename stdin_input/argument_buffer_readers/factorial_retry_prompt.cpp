// Reads lines of at most 99 characters in place of the first argument until one
// holds a number n, asking again after each that does not, and prints n! in
// 32-bit arithmetic (1 for n <= 0; wrapping on overflow).
//
// A read that meets the end of input leaves the text as it was (the argument's,
// or the last line read); when that holds no number either, no more input can
// come, so the program ends with status 1 instead of asking again forever.
#include <cstdio>

#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    printf("Enter an integer: ");
    char buf[100];
    const char* text = argc > 1 ? argv[1] : "";
    int n = 0;
    for (;;) {
        bool got_line = fgets(buf, sizeof buf, stdin) != nullptr;
        if (got_line) text = buf;
        if (common::sscanf_int(text, &n) == 1) break;
        if (!got_line) return 1;
        printf("Invalid input. Please enter an integer: ");
    }

    // From 34! on the product holds 32 factors of two, so it stays 0.
    int product = 1;
    for (int i = 1; i <= n && product != 0; ++i) product = common::wrap_mul(product, i);
    printf("The factorial of %d is: %d\n", n, product);
    return 0;
}
