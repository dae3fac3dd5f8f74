// Echoes a duplicate of its one argument made with strdup. A failed
// duplication is reported on standard error with status 1.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s input\n", argv[0]);
    char* input = strdup(argv[1]);
    if (input == nullptr) {
        perror("strdup");
        return 1;
    }
    printf("Input: %s\n", input);
    free(input);
    return 0;
}
