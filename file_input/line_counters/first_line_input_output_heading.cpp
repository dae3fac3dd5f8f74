// Prints the first piece of a file (99 bytes at most) under an input heading,
// followed by an empty output heading. The file is left to the process exit.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s input_file\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Error: file not found");
        return 1;
    }
    char buf[100];
    if (!fgets(buf, sizeof buf, in)) buf[0] = '\0';
    printf("Input:\n%s", buf);
    puts("\nOutput:");
    return 0;
}
