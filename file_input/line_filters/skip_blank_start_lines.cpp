// Prints the pieces of a file (99 bytes at most) that do not start with a
// white-space character.
#include <cctype>
#include <cstdio>

#include "common/args.hpp"
#include "common/lines.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 1)) return common::usage(1, "Usage: %s filename\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("Error: Could not open file %s.\n", argv[1]);
        return 2;
    }
    common::for_each_piece<100>(in, [](const char* piece) {
        if (!isspace(static_cast<unsigned char>(piece[0]))) puts(piece);
    });
    fclose(in);
    return 0;
}
