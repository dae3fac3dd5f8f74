// Echoes a file with puts, 255 bytes at most at a time, so every line of the
// file is followed by an empty line and longer lines are cut into pieces. Its
// messages go to standard error.
#include <cstdio>

#include "common/args.hpp"
#include "common/lines.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage_err(1, "Usage: %s filename\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        fprintf(stderr, "%s: Cannot open file %s for reading\n", argv[0], argv[1]);
        return 1;
    }
    common::for_each_piece<256>(in, [](const char* piece) { puts(piece); });
    fclose(in);
    return 0;
}
