// Reads a file one byte at a time into the first character of its own name
// and prints the name after each read: every byte shows as the name's first
// character, and the last one twice, since the read that finds the end
// changes nothing. The loop ends at end of file or at a read error.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s filename\n", argv[0]);
    char* name = argv[1];
    FILE* in = fopen(name, "r");
    if (!in) {
        puts("Error: could not open file.");
        return 1;
    }
    while (!feof(in) && !ferror(in)) {
        [[maybe_unused]] size_t n = fread(name, 1, 1, in);
        puts(name);
    }
    fclose(in);
    return 0;
}
