// Echoes a file with puts in pieces of at most 7 bytes: each piece is
// followed by a newline, and a piece that ends a line by an empty line as
// well.
#include <cstdio>

#include "common/args.hpp"
#include "common/lines.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s filename\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("Error: File %s does not exist or cannot be read.\n", argv[1]);
        return 1;
    }
    common::for_each_piece<8>(in, [](const char* piece) { puts(piece); });
    fclose(in);
    return 0;
}
