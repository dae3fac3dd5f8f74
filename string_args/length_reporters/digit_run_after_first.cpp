// Writes the run of digits that follows the first character of its first
// argument. An empty or missing argument has no such run.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    const char* input = common::arg_or_empty(argc, argv, 1);
    printf("Enter a number: ");
    if (input[0] == '\0') return 0;
    for (const char* p = input + 1; *p >= '0' && *p <= '9'; p++) putchar(*p);
    return 0;
}
