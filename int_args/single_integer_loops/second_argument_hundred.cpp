// Prints its second argument once for each counter value up to 99; with only
// one argument the counter starts at that argument's value.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 1)) {
        puts("Please provide at least one argument.");
        return -1;
    }
    if (argc == 2) {
        // The counter would start at this value: from 100 on there is nothing
        // to count, and below 100 there is no second argument to print, so
        // nothing is written either way.
        [[maybe_unused]] int n = common::atoi_int(argv[1]);
        return 0;
    }
    for (int i = 0; i < 100; i++) puts(argv[2]);
    return 0;
}
