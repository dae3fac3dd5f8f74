// Writes to input.txt the length of the first argument as an 8-byte number
// (least significant byte first), then the argument and its terminating zero byte.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"
#include "common/bytes.hpp"

int main(int argc, char* argv[]) {
    FILE* out = fopen("input.txt", "w");
    if (!out) {
        puts("Error opening file");
        return 1;
    }
    // A missing argument is written as the empty text.
    const char* text = common::arg_or_empty(argc, argv, 1);
    size_t length = strlen(text);
    common::write_le(static_cast<uint64_t>(length), out);
    fwrite(text, 1, length + 1, out);
    fclose(out);
    return 0;
}
