// Prints every space-separated word of a file, one per line, reading 255
// bytes at a time (a word cut by the buffer comes out in two parts).
#include <cstdio>
#include <cstring>

#include "common/args.hpp"
#include "common/lines.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s input_file\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Error opening input file.");
        return 2;
    }
    common::for_each_piece<256>(in, [](char* piece) {
        for (const char* word = strtok(piece, " \n"); word; word = strtok(nullptr, " \n")) puts(word);
    });
    // The stream is left to the end of the process.
    return 0;
}
