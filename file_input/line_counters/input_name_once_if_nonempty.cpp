// Reads a file 9 bytes at a time and names it once, when its first piece
// arrives; an empty file prints nothing. The file is left to the process exit.
#include <cstdio>

#include "common/args.hpp"
#include "common/lines.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s filename\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("Error opening file: %s\n", argv[1]);
        return 2;
    }
    bool first = true;
    common::for_each_piece<10>(in, [&](const char*) {
        if (first) printf("Input: %s\n", argv[1]);
        first = false;
    });
    return 0;
}
