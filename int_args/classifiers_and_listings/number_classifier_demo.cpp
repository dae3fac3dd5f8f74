// Names a kind of number chosen by the parity of its first argument: odd
// numbers come out as natural numbers, even ones as integers.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

// 1 for even a, 0 for odd a.
static int even_or_odd(int a) { return (a & 1) == 0 ? 1 : 0; }

static void number_classifier(int a, int type) {
    switch (type) {
        case 0: printf("%d is a natural number.\n", a); break;
        case 1: printf("%d is an integer.\n", a); break;
        case 2: printf("%d is a floating-point number.\n", a); break;
        case 3: printf("%d is a complex number.\n", a); break;
        default: printf("Invalid function. Please choose from 0 to 3."); break;
    }
}

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 1)) return common::usage(1, "Usage: %s <number>\n", argv[0]);
    int n = common::atoi_int(argv[1]);
    number_classifier(n, even_or_odd(n));
    return 0;
}
