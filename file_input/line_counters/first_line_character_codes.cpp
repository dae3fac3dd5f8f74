// Lists every character of a file's first piece (255 bytes at most) with its
// code as a signed char. An empty file ends with status 1 and no message.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s filename\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Error opening file.");
        return 2;
    }
    char buf[256];
    if (!fgets(buf, sizeof buf, in)) {
        fclose(in);
        return 1;
    }
    for (const char* p = buf; *p; p++) printf("%c: %d\n", *p, static_cast<signed char>(*p));
    fclose(in);
    return 0;
}
