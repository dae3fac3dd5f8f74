// Prints the first piece of a file (1023 bytes at most) after its name; an
// empty file shows an empty text. Arguments after the first are not used.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 1)) return common::usage(1, "Usage: %s filename\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        perror("Error opening file");
        return 1;
    }
    char buf[1024];
    if (!fgets(buf, sizeof buf, in)) buf[0] = '\0';
    fclose(in);
    printf("Contents of %s: ", argv[1]);
    puts(buf);
    return 0;
}
