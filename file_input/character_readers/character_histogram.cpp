// Counts how often each byte occurs in a file and lists the bytes that occur,
// in increasing order of their code, each as itself and its count. Each
// character is held in a signed char, so the count stops at end of file or at
// the first byte 0xFF; bytes of 128 to 254 arrive as negative values and are
// counted under their byte value.
#include <cstdio>

#include "common/args.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Please provide a filename as an argument");
        return 1;
    }
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Error: File not found");
        return 1;
    }
    int counts[256] = {0};
    signed char c;
    while ((c = static_cast<signed char>(fgetc(in))) != EOF) {
        unsigned char byte = static_cast<unsigned char>(c);
        counts[byte] = common::wrap_add(counts[byte], 1);
    }
    for (int code = 0; code < 256; code++)
        if (counts[code] != 0) printf("Character %c: %d\n", code, counts[code]);
    fclose(in);
    return 0;
}
