// Reads a file 99 bytes at a time: pieces that start with a newline count as
// lines; every other piece adds its length to the characters and its length
// plus one to the bytes.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"
#include "common/lines.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s filename\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("Error opening file %s\n", argv[1]);
        return 1;
    }
    int lines = 0, characters = 0, bytes = 0;
    common::for_each_piece<100>(in, [&](const char* piece) {
        if (piece[0] == '\n') {
            lines = common::wrap_add(lines, 1);
            return;
        }
        int length = static_cast<int>(strlen(piece));
        characters = common::wrap_add(characters, length);
        bytes = common::wrap_add(bytes, length + 1);
    });
    fclose(in);
    printf("Lines: %d\n", lines);
    printf("Characters: %d\n", characters);
    printf("Bytes: %d\n", bytes);
    return 0;
}
