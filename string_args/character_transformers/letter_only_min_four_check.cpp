// Accepts one word of at least four lower-case letters and prints it back.
// The letter test comes before the length test.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Error: please provide one input\n");
    char* copy = strdup(argv[1]);
    if (!copy) return 1;
    size_t length = strlen(copy);
    for (size_t i = 0; i < length; i++) {
        if (copy[i] < 'a' || copy[i] > 'z') {
            printf("Error: input contains non-lowercase letter\n");
            free(copy);
            return 1;
        }
    }
    if (length < 4) {
        printf("Error: input must be at least 4 characters long\n");
        free(copy);
        return 1;
    }
    // The output is the checked copy itself, letter for letter.
    char* output = static_cast<char*>(malloc(length + 1));
    if (!output) {
        free(copy);
        return 1;
    }
    memcpy(output, copy, length + 1);
    printf("Output: %s\n", output);
    free(output);
    free(copy);
    return 0;
}
