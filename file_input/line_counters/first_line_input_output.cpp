// Prints the first piece of a file (99 bytes at most) twice, as input and as
// output; an empty file is a read error.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s input_file\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Error: file not found or cannot be opened.");
        return 1;
    }
    char buf[100];
    if (!fgets(buf, sizeof buf, in)) {
        puts("Error: file read error.");
        fclose(in);
        return 1;
    }
    printf("Input string:\n%s\n", buf);
    printf("Output string:\n%s\n", buf);
    fclose(in);
    return 0;
}
