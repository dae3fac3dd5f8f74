// Reads every line of a file with getline and prints nothing.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s input_file\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Error opening file.");
        return 2;
    }
    char* line = nullptr;
    size_t capacity = 0;
    while (getline(&line, &capacity, in) != -1) {
    }
    free(line);
    fclose(in);
    return 0;
}
