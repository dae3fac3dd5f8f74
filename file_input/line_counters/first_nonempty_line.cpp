// Prints the first piece of a file (99 bytes at most) that does not start with
// a NUL byte. A file without one shows an empty text. The second argument is
// required but not used.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage(1, "Usage: %s INPUT_FILE", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Error: could not open input file");
        return 1;
    }
    char buf[100];
    bool found = false;
    while (!found && fgets(buf, sizeof buf, in)) found = buf[0] != '\0';
    if (!found) buf[0] = '\0';
    printf("First line: %s\n", buf);
    fclose(in);
    return 0;
}
