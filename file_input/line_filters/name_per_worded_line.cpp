// Prints the file name once for every piece of the file (999 bytes at most)
// that holds a word. The second argument is required but not used.
#include <cstdio>

#include "common/args.hpp"
#include "common/lines.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage(1, "Usage: %s filename\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("Error: cannot open file %s\n", argv[1]);
        return 2;
    }
    static char word[1000];
    common::for_each_piece<1000>(in, [&](const char* piece) {
        if (sscanf(piece, "%999s", word) == 1) puts(argv[1]);
    });
    fclose(in);
    return 0;
}
