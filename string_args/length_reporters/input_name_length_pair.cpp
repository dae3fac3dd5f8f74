// Prints its first argument with its length, or says that none was given.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    printf("Input:\n");
    if (!common::has_at_least(argc, 1)) {
        printf("Input is not specified.\n");
        return 0;
    }
    char* input = strdup(argv[1]);
    if (input == nullptr) {
        perror("strdup");
        return 1;
    }
    printf("%s: %d\n", input, static_cast<int>(strlen(input)));
    free(input);
    return 0;
}
