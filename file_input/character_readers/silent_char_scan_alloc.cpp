// Reads a file one character at a time and prints nothing; at the first
// character it allocates a 256-byte block, which it never uses.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Error: incorrect number of arguments");
        return 1;
    }
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Error: could not open file");
        return 1;
    }
    char* block = nullptr;
    while (fgetc(in) != EOF) {
        if (!block) {
            block = static_cast<char*>(malloc(256));
            if (!block) {
                puts("Error: memory allocation failure");
                fclose(in);
                return 1;
            }
        }
    }
    free(block);
    fclose(in);
    return 0;
}
