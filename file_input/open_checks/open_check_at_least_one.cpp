// Opens the file named by its first argument; later arguments are ignored.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char** argv) {
    if (!common::has_at_least(argc, 1)) return common::usage(1, "Usage: %s <filename>\n", argv[0]);
    FILE* file = fopen(argv[1], "r");
    if (file == nullptr) {
        puts("Error opening file.");
        return 1;
    }
    fclose(file);
    return 0;
}
