// Prints the first piece of a file (99 bytes at most); an empty file shows an
// empty text. Arguments after the first are not used.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 1)) return common::usage(1, "Usage: %s input_file\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("Error: could not open file %s\n", argv[1]);
        return 1;
    }
    char buf[100];
    if (!fgets(buf, sizeof buf, in)) buf[0] = '\0';
    fclose(in);
    printf("Input: %s\n", buf);
    return 0;
}
