// Shifts the code of the argument's lower-cased first character by 97
// (modulo 256) and prints it; then prints it again when it is a "t", or a
// "P" in its place otherwise.
#include <cctype>
#include <cstdio>

#include "common/args.hpp"

namespace {
char shifted(const char* input) {
    return static_cast<char>((tolower(static_cast<unsigned char>(input[0])) + 97) % 256);
}
}  // namespace

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <input>\n", argv[0]);
    char text[2] = {shifted(argv[1]), '\0'};
    printf("Input: %s\n", text);
    if (text[0] == 't') text[0] = shifted(argv[1]);
    else text[0] = 'P';
    printf("Output: %s\n", text);
    return 0;
}
