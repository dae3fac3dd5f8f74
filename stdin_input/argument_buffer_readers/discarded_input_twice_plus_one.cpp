// Asks for a number, reads at most 3 characters of a line and drops them, and
// prints 2v + 1 in 32-bit arithmetic for v the first argument as an integer
// (as by strtol with base 10). A missing argument counts as 0.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    printf("Enter a number: ");
    char store[4];
    if (!fgets(store, sizeof store, stdin)) store[0] = '\0';
    int v = common::to_int(common::strtol64(common::arg_or_empty(argc, argv, 1), nullptr, 10));
    printf("Result: %d\n", common::wrap_add(common::wrap_mul(2, v), 1));
    return 0;
}
