// Reads a whole file 999 bytes at a time into one buffer, then prints an
// output buffer that nothing fills, so the report is always "Output: ".
#include <cstdio>

#include "common/args.hpp"
#include "common/lines.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s input_file\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Error: cannot open input file.");
        return 1;
    }
    char input[1000];
    char output[1000] = "";
    common::for_each_piece(in, input, [](const char*) {});
    fclose(in);
    printf("Output: %s\n", output);
    return 0;
}
