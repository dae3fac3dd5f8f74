// Duplicates its one argument and reports the duplicate's length.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s input\n", argv[0]);
    char* input = strdup(argv[1]);
    if (input == nullptr) {
        perror("Error: could not allocate memory for input");
        return 1;
    }
    printf("Length of input is %zu\n", strlen(input));
    free(input);
    return 0;
}
