// Greets the name given first once the file given second has opened.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char** argv) {
    if (!common::has_args(argc, 2)) return common::usage_err(1, "Usage: %s input filename\n", argv[0]);
    FILE* file = fopen(argv[2], "r");
    if (file == nullptr) {
        fprintf(stderr, "Error opening file: %s\n", argv[2]);
        return 1;
    }
    char* name = strdup(argv[1]);
    fclose(file);
    // Without memory for the copy the argument itself is greeted.
    printf("Hello, %s!\n", name != nullptr ? name : argv[1]);
    free(name);
    return 0;
}
