// Reads a file 1023 bytes at a time and names it once, when its first piece
// arrives; an empty file prints nothing.
#include <cstdio>

#include "common/args.hpp"
#include "common/lines.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s filename\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("Could not open file: %s\n", argv[1]);
        return 1;
    }
    bool first = true;
    common::for_each_piece<1024>(in, [&](const char*) {
        if (first) printf("File: %s\n", argv[1]);
        first = false;
    });
    fclose(in);
    return 0;
}
