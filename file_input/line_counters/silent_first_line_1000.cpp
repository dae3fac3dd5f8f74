// Reads the first piece of a file (999 bytes at most) and prints nothing.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage_err(1, "Usage: %s file\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        fputs("Error opening file.\n", stderr);
        return 2;
    }
    char buf[1000];
    if (!fgets(buf, sizeof buf, in)) buf[0] = '\0';
    fclose(in);
    return 0;
}
