// Prints the length of its first argument, then each of its characters on a
// numbered line.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 1)) return common::usage(1, "Error: you need to pass at least one argument\n");
    const char* input = argv[1];
    int length = static_cast<int>(strlen(input));
    printf("Length of '%s': %d\n", input, length);
    for (int i = 0; i < length; i++) printf("Char %d: %c\n", i, input[i]);
    return 0;
}
