// Reads the first piece of a file (511 bytes at most) and prints nothing.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <input_file>\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("Error opening file: %s\n", argv[1]);
        return 2;
    }
    char buf[512];
    if (!fgets(buf, sizeof buf, in)) buf[0] = '\0';
    fclose(in);
    return 0;
}
