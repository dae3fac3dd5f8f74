// Echoes a file as "Input: ..." lines, each piece of at most 1023 bytes shown
// without its newline. Takes 1 to 4 arguments and reads the first; every
// refusal and failure ends with status 255.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"
#include "common/lines.hpp"

int main(int argc, char* argv[]) {
    if (common::has_args(argc, 0)) return common::usage(-1, "Usage: %s <input_file>", argv[0]);
    if (common::has_at_least(argc, 5)) return common::usage_err(-1, "Usage: %s <input_file>\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        fprintf(stderr, "Error opening file: %s\n", argv[1]);
        return -1;
    }
    common::for_each_piece<1024>(in, [](char* piece) {
        piece[strcspn(piece, "\n")] = '\0';
        printf("Input: %s\n", piece);
    });
    fclose(in);
    return 0;
}
