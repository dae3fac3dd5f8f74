// Reads up to ten numbers from standard input, prints a fixed line per
// argument and the sum of the words formed by the arguments' first four bytes.
#include <cstdio>
#include <cstring>

#include "common/input.hpp"
#include "common/wrap.hpp"

// The int of the text's first four bytes, little-endian; the bytes after a
// short text's terminator count as zero.
static int first_word(const char* s) {
    unsigned char bytes[4] = {0, 0, 0, 0};
    memcpy(bytes, s, strnlen(s, 4));
    unsigned int u = bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<unsigned int>(bytes[3]) << 24;
    return static_cast<int>(u);
}

int main(int argc, char* argv[]) {
    int n = argc - 1;
    int count = n < 10 ? n : 10;
    int numbers[10] = {0};
    for (int i = 0; i < count; i++) common::scan_int(numbers[i]);

    int sum = 0;
    for (int i = 1; i <= count; i++) {
        sum = common::wrap_add(sum, first_word(argv[i]));
        if (i == n && n <= 10) printf("Input %s\n", "%%d");
        else printf("%s\n", "%%d");
    }
    printf("Sum: %d\n", sum);
    return 0;
}
