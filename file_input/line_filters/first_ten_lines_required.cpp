// Prints the first ten lines of a file (pieces of at most 1023 bytes) and
// insists on having them: fewer, or a last line "END" before the tenth, is an
// error. Anything after the tenth piece is not read.
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 1)) return common::usage(1, "Usage: %s INPUT_FILE\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("Error opening file: %s\n", strerror(errno));
        return 1;
    }
    char piece[1024];
    int count = 0;
    while (fgets(piece, sizeof piece, in)) {
        if (count == 10) {
            fclose(in);
            return 0;
        }
        if (strcmp(piece, "END") == 0) break;
        puts(piece);
        count++;
    }
    if (count == 10) {
        fclose(in);
        return 0;
    }
    fprintf(stderr, "Error: Not enough input data.\n");
    return 1;
}
