// Notes the length of every piece of a file read 255 bytes at a time, then
// prints each length seen, in increasing order, as the character of that code.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"
#include "common/lines.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <file_name>\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        perror("Error opening file");
        return 1;
    }
    int seen[256] = {};
    common::for_each_piece<256>(in, [&](const char* piece) { seen[strlen(piece)] = 1; });
    for (int length = 0; length < 256; length++)
        if (seen[length]) printf("%c\n", length);
    fclose(in);
    return 0;
}
