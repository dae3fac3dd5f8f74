// Reads a whole file 1023 bytes at a time and prints nothing. A file that
// cannot be opened is reported with perror and status 1.
#include <cstdio>

#include "common/args.hpp"
#include "common/lines.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <input_file>\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        perror("Error opening file");
        return 1;
    }
    common::for_each_piece<1024>(in, [](const char*) {});
    fclose(in);
    return 0;
}
