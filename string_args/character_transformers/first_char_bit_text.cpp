// Takes the first space-separated word of the first argument and prints the
// bit text that convert_to_binary makes of its first character. With no
// argument, or one of spaces only, the word is empty and its first character
// is the terminator (0).
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"

namespace {

// Eight characters and a terminator: character k is "1" when a is at least
// 2 to the power k+1. The caller frees the text.
char* convert_to_binary(unsigned a) {
    char* bits = static_cast<char*>(malloc(9));
    if (!bits) return nullptr;
    for (unsigned k = 0; k < 8; k++) bits[k] = a >= (2u << k) ? '1' : '0';
    bits[8] = '\0';
    return bits;
}

}  // namespace

int main(int argc, char* argv[]) {
    char empty[1] = "";
    char* token = argc > 1 ? strtok(argv[1], " ") : nullptr;
    if (!token) token = empty;
    printf("Input: %s\n", token);
    // The first character is taken as a signed byte: one of 128 or more
    // converts to a huge unsigned value, all of whose bits are set.
    char* bits = convert_to_binary(static_cast<unsigned>(static_cast<signed char>(token[0])));
    if (!bits) return 1;
    printf("Binary representation: %s\n", bits);
    free(bits);
    return 0;
}
