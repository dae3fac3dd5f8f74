// Reads the first piece of a file (7 bytes at most) and shows it twice, once
// as the file name and once as the line.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s filename\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("Error opening file: %s\n", argv[1]);
        return 1;
    }
    char buf[8];
    if (!fgets(buf, sizeof buf, in)) {
        printf("Error reading from file: %s\n", argv[1]);
        fclose(in);
        return 1;
    }
    fclose(in);
    printf("Input filename:\t%s\n", buf);
    printf("Input line:\t%s\n", buf);
    return 0;
}
