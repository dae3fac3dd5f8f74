// Copies a file to standard output as it is, reading it in pieces of at most
// 99 bytes.
#include <cstdio>

#include "common/args.hpp"
#include "common/lines.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s filename\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Error: file not found or cannot be opened.");
        return 1;
    }
    common::for_each_piece<100>(in, [](const char* piece) { printf("%s", piece); });
    fclose(in);
    return 0;
}
