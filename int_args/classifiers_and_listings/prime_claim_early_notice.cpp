// Claims that its one integer argument is prime, or stops early with a notice
// when trial division finds it is not.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/intconv.hpp"

// Writes the early-termination notice and ends the program with status 1
// (through exit, so the notice is flushed).
[[noreturn]] static void quick_exit() {
    puts("The program has terminated early.");
    exit(1);
}

// 1 for a prime a: 2 and 3 are, even numbers are not, and odd a is tried by
// b = 3, 4, 5, ... until b * b passes a (in 64 bits, so a near INT_MAX is safe).
static int is_prime(int a) {
    if (a <= 1) return 0;
    if (a == 2 || a == 3) return 1;
    if (a % 2 == 0) return 0;
    for (long long b = 3;; b++) {
        if (b * b > a) return 1;
        if (a % b == 0) return 0;
    }
}

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Error: Expecting exactly one command-line argument.");
        return 1;
    }
    int n = common::atoi_int(argv[1]);
    if (!is_prime(n)) quick_exit();
    printf("The number %d is prime.\n", n);
    return 0;
}
