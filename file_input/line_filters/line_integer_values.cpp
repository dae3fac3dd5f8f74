// Prints the number at the start of every line of a file, 1023 bytes at a
// time, or "Empty line." for a line that holds only its newline.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"
#include "common/lines.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s input_file\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Failed to open input file.");
        return 1;
    }
    common::for_each_piece<1024>(in, [](char* piece) {
        size_t len = strlen(piece);
        if (len > 0 && piece[len - 1] == '\n') piece[--len] = '\0';
        if (len == 0)
            puts("Empty line.");
        else
            printf("%d\n", common::to_int(common::strtol64(piece, nullptr, 10)));
    });
    fclose(in);
    return 0;
}
