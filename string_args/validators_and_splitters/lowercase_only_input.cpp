// Accepts its one argument unless it holds an upper-case letter.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <input>\n", argv[0]);
    size_t length = strlen(argv[1]);
    char* input = static_cast<char*>(malloc(length + 1));
    if (!input) return 1;
    memcpy(input, argv[1], length + 1);
    for (size_t i = 0; i < length; i++) {
        if (input[i] >= 'A' && input[i] <= 'Z') {
            printf("Error: Input must only contain lowercase letters.\n");
            free(input);
            return 1;
        }
    }
    printf("Input: %s\n", input);
    free(input);
    return 0;
}
