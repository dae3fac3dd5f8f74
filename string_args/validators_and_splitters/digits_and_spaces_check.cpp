// Checks that its first argument, from the second character on, holds only
// digits and spaces; the check stops early at the first byte of 128 or more.
// An empty or missing argument holds no digit and is refused.
#include <cctype>
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    const char* input = common::arg_or_empty(argc, argv, 1);
    if (input[0] == '\0') return common::usage(1, "Input is not a digit. Exiting program...\n");
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(input) + 1; *p && *p < 128; p++)
        if (!isdigit(*p) && !isspace(*p)) return common::usage(1, "Input is not a digit. Exiting program...\n");
    printf("Input is a digit!\n");
    return 0;
}
