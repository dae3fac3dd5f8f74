// Prints the file name once for every piece of the file (1023 bytes at most)
// that contains "include".
#include <cstdio>
#include <cstring>

#include "common/args.hpp"
#include "common/lines.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s filename\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("Error: cannot open file %s\n", argv[1]);
        return 1;
    }
    common::for_each_piece<1024>(in, [&](const char* piece) {
        if (strstr(piece, "include")) printf("%s\n", argv[1]);
    });
    fclose(in);
    return 0;
}
