// Prints the argument after each key "x", "y" or "z" in the key's format.
// Values are visited as keys too; a key with nothing after it prints nothing.
#include <cstdio>
#include <cstring>

#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    for (int i = 1; i + 1 < argc; i++) {
        const char* value = argv[i + 1];
        if (strcmp(argv[i], "x") == 0)
            printf("Input: %s\n", value);
        else if (strcmp(argv[i], "y") == 0)
            printf("Output: %d\n", common::atoi_int(value));
        else if (strcmp(argv[i], "z") == 0)
            printf("Output: %s\n", value);
    }
    return 0;
}
