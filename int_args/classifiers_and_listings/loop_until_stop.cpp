// Stops at once for the argument "stop"; otherwise echoes the number and,
// when it is at most 100, writes "Looping..." that many times. The argument
// cannot change between rounds, so a second round would only repeat the
// first: the program ends after one, with status 0. A missing argument counts
// as an empty one (0).
#include <cstdio>
#include <cstring>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    const char* text = common::arg_or_empty(argc, argv, 1);
    if (strcmp(text, "stop") == 0) {
        puts("Loop stopped.");
        return 0;
    }
    int n = common::atoi_int(text);
    printf("Input: %d\n", n);
    if (n > 100) return 0;
    for (int i = 0; i < n; i++) puts("Looping...");
    return 0;
}
