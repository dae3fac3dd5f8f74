// Accepts its one argument when it is at most 10 characters long.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s input\n", argv[0]);
    char* input = strdup(argv[1]);
    if (!input) return 1;
    if (strlen(input) > 10) {
        printf("Input is longer than 10 characters.\n");
        free(input);
        return 1;
    }
    printf("Processed: %s\n", input);
    free(input);
    return 0;
}
