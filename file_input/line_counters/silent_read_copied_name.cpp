// Reads a whole file 99 bytes at a time and prints nothing. The name is first
// copied into the 100-byte buffer that then holds the pieces; a name that does
// not fit (more than 99 characters) is refused like a file that cannot be opened.
#include <cstdio>

#include "common/args.hpp"
#include "common/copy.hpp"
#include "common/lines.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s filename\n", argv[0]);
    char buf[100];
    FILE* in = nullptr;
    if (common::fits(buf, argv[1])) {
        common::copy_bounded(buf, argv[1]);
        in = fopen(buf, "r");
    }
    if (!in) {
        printf("Error: cannot open %s\n", argv[1]);
        return 1;
    }
    common::for_each_piece(in, buf, [](const char*) {});
    fclose(in);
    return 0;
}
