// Prints a number from 1 to 10 drawn from the generator without seeding it, so
// every run prints the same. The argument, if any, is converted and ignored.
#include <cstdio>
#include <cstdlib>

#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (argc > 1) {
        long long ignored = common::strtol64(argv[1], nullptr, 10);
        (void)ignored;
    }
    printf("Random Number: %d\n", rand() % 10 + 1);
    return 0;
}
