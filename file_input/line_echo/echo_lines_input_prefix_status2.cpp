// Echoes a file with "Input: " before every piece of at most 1023 bytes and a
// newline after it. A file that cannot be opened ends it with status 2.
#include <cstdio>

#include "common/args.hpp"
#include "common/lines.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Please provide a filename as input");
        return 1;
    }
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Error: file not found or cannot be opened");
        return 2;
    }
    common::for_each_piece<1024>(in, [](const char* piece) { printf("Input: %s\n", piece); });
    fclose(in);
    return 0;
}
