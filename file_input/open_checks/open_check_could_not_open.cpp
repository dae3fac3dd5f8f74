// Opens the file named by its argument and names it when the open fails.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char** argv) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s filename\n", argv[0]);
    FILE* file = fopen(argv[1], "r");
    if (file == nullptr) {
        printf("Error: could not open file %s\n", argv[1]);
        return 1;
    }
    fclose(file);
    return 0;
}
