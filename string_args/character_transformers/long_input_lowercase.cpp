// Lower-cases an argument longer than 10 characters in place and prints it.
#include <cctype>
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <string>\n", argv[0]);
    char* input = argv[1];
    size_t length = strlen(input);
    if (length > 10) {
        printf("Input is longer than 10 characters. Optimizing...\n");
        for (size_t i = 0; i < length; i++) input[i] = static_cast<char>(tolower(static_cast<unsigned char>(input[i])));
    }
    printf("Optimized string: %s\n", input);
    return 0;
}
