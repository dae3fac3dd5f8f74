// Prints the text before the first tab or newline of every line of a file,
// 99 bytes at a time, all run together. A line that starts with a tab or a
// newline repeats the previous field; before the first field the buffer holds
// the file name (cut to 99 bytes).
#include <cstdio>

#include "common/args.hpp"
#include "common/copy.hpp"
#include "common/lines.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s filename\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        perror("Error opening file");
        return 1;
    }
    char field[100];
    common::copy_bounded(field, argv[1]);
    common::for_each_piece<100>(in, [&](const char* piece) {
        sscanf(piece, "%99[^\t\n]", field);
        printf("%s", field);
    });
    fclose(in);
    return 0;
}
