// Rewrites the first argument in place up to its first "x": a "y" becomes
// "z" and every other byte loses 32 from its code (wrapping within the byte),
// so lower-case letters become upper case and a space becomes a NUL that ends
// the printed text.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 1)) return common::usage(1, "Usage: program.exe <input>\n");
    char* input = argv[1];
    size_t length = strlen(input);
    for (size_t i = 0; i < length && input[i] != 'x'; i++) {
        if (input[i] == 'y') input[i] = 'z';
        else input[i] = static_cast<char>(static_cast<unsigned char>(input[i]) - 32);
    }
    printf("Input: %s\n", input);
    return 0;
}
