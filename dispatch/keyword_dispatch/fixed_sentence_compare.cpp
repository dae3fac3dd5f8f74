// Says whether its argument begins with the sentence "This is a test" (only the
// first 14 bytes are compared).
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Invalid input. Please enter two strings to compare.");
        return 1;
    }
    const char sentence[] = "This is a test";
    if (strncmp(argv[1], sentence, sizeof sentence - 1) == 0)
        puts("The strings are the same");
    else
        puts("The strings are different");
    return 0;
}
