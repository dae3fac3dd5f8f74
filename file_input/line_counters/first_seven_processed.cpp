// Prints the first piece of a file (7 bytes at most) under a heading. The
// second argument is required but not used.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage(1, "Usage: %s filename.c\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("Error: unable to open file %s\n", argv[1]);
        return 1;
    }
    char buf[8];
    if (!fgets(buf, sizeof buf, in)) {
        printf("Error: unable to read input string from file %s\n", argv[1]);
        fclose(in);
        return 1;
    }
    puts("Processed input string:");
    printf("%s\n", buf);
    fclose(in);
    return 0;
}
