// Copies its first argument into a 256-byte buffer, echoes it, appends the tag
// " (Uppercase)\n" and prints the result; the tag ends in a newline of its
// own, so an empty line follows. No case is changed, and the second argument
// (an output file name) is not used. The copy keeps at most 255 bytes and the
// tag is appended only as far as it still fits.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"
#include "common/copy.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 2)) {
        printf("Error: Please provide at least 2 arguments (input and output filename)\n");
        return 1;
    }
    char buffer[256];
    size_t length = strnlen(argv[1], sizeof buffer - 1);
    strncpy(buffer, argv[1], sizeof buffer);
    buffer[length] = '\0';
    printf("Input: %s\n", buffer);
    common::append_bounded(buffer, " (Uppercase)\n");
    printf("Output: %s\n", buffer);
    return 0;
}
