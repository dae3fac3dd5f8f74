// Checks that the first piece of a file (8191 bytes at most) can be read and
// prints nothing when it can. An empty file, or one that cannot be opened,
// cannot be read. Arguments after the first are not used.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 1)) return common::usage(1, "Usage: %s input_file\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    static char buf[8192];
    if (in && fgets(buf, sizeof buf, in)) {
        fclose(in);
        return 0;
    }
    printf("Error reading input file: %s\n", argv[1]);
    if (in) fclose(in);
    return 1;
}
