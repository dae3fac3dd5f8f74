// Greets the first piece of a file (99 bytes at most); a piece that ends in a
// newline puts the "!" on the next line, and an empty file greets an empty text.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s input_file\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("Error opening file: %s\n", argv[1]);
        return 1;
    }
    char buf[100];
    if (!fgets(buf, sizeof buf, in)) buf[0] = '\0';
    fclose(in);
    printf("Hello, %s!\n", buf);
    return 0;
}
