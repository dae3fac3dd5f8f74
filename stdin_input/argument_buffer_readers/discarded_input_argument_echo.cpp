// Asks for an integer, reads at most 3 characters of a line and drops them, and
// prints the first argument as an integer (as by strtol with base 10) instead.
// A missing argument counts as 0.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    printf("Enter an integer: ");
    char store[4];
    if (!fgets(store, sizeof store, stdin)) store[0] = '\0';
    int value = common::to_int(common::strtol64(common::arg_or_empty(argc, argv, 1), nullptr, 10));
    printf("You entered: %d\n", value);
    return 0;
}
