// Prints its argument as given, then upper-cased in place.
#include <cctype>
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: programname [argument]\n");
    char* input = argv[1];
    printf("Input string in lowercase: %s\n", input);
    for (char* p = input; *p; p++) *p = static_cast<char>(toupper(static_cast<unsigned char>(*p)));
    printf("Input string in uppercase: %s\n", input);
    return 0;
}
