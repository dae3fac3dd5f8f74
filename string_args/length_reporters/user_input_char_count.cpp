// Duplicates its one argument, echoes it and counts its characters.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Please provide an input as argument\n");
    char* input = strdup(argv[1]);
    if (input == nullptr) {
        perror("strdup");
        return 1;
    }
    printf("User Input: %s\n", input);
    printf("Number of characters in the input: %d\n", static_cast<int>(strlen(input)));
    free(input);
    return 0;
}
