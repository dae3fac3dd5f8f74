// Copies a file to standard output as it is. The file name is first copied
// into the 100-byte buffer that then holds the pieces (at most 99 bytes each);
// a name that does not fit is refused like a file that cannot be opened.
#include <cstdio>

#include "common/args.hpp"
#include "common/copy.hpp"
#include "common/lines.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage_err(1, "Usage: %s file_name\n", argv[0]);
    char buf[100];
    FILE* in = nullptr;
    if (common::fits(buf, argv[1])) {
        common::copy_bounded(buf, argv[1]);
        in = fopen(buf, "r");
    }
    if (!in) {
        fputs("File not found or cannot be read.\n", stderr);
        return 1;
    }
    common::for_each_piece(in, buf, [](const char* piece) { fputs(piece, stdout); });
    fclose(in);
    return 0;
}
