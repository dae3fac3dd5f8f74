// Reads the first piece of a file (1023 bytes at most) into the first half of
// a 2048-byte buffer and writes the second half, which nothing fills: it holds
// an empty text, so nothing is printed. The file is left to the process exit.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s input_file\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("Error opening file: %s\n", argv[1]);
        return 1;
    }
    char buf[2048] = "";
    char* input = buf;
    char* output = buf + 1024;
    if (!fgets(input, 1024, in)) input[0] = '\0';
    fputs(output, stdout);
    return 0;
}
