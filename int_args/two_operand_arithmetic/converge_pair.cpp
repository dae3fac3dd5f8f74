// Moves two integers toward each other (a up while it is below b, otherwise b
// down) and prints where they meet. Below a, b goes down through the most
// negative int, wraps to the largest and comes down to a; so the meeting
// point is b when a <= b and a otherwise, worked out here without the up to
// 2^32 single steps. Missing arguments read as 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (argc - 1 > 4) {
        puts("Error: too many arguments");
        return 1;
    }
    int a = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    int b = common::atoi_int(common::arg_or_empty(argc, argv, 2));
    int meet = a <= b ? b : a;
    printf("Result: %d\n", meet);
    return 0;
}
