// Calls odd numbers prime and even numbers composite; 0 is refused with
// status 2.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s [number]\n", argv[0]);
    int n = common::atoi_int(argv[1]);  // atol, cut to an int
    if (n == 0) {
        puts("Cannot divide by zero.");
        return 2;
    }
    if (n & 1) {
        puts("Number is odd.");
        puts("Number is prime.");
    } else {
        puts("Number is even.");
        puts("The number is composite.");
    }
    return 0;
}
