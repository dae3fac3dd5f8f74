// Sizes a file, then for every 10000-byte stretch of it tries to write a
// block to the stream, which is open for reading only, so nothing is written,
// and reports the stretch's first byte number. A final write at the end fails
// the same way. The file is left unchanged and for the exit to close.
#include <cstdio>

#include "common/args.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s filename\n", argv[0]);
    FILE* stream = fopen(argv[1], "r");
    if (!stream) {
        perror(argv[1]);
        return 1;
    }
    static char block[10000];
    fseek(stream, 0, SEEK_END);
    int size = common::to_int(ftell(stream));
    rewind(stream);
    for (long long offset = 0; offset < size; offset += 10000) {
        [[maybe_unused]] size_t put = fwrite(block, 1, sizeof block, stream);
        printf("File read %d bytes\n", common::to_int(offset + 1));
    }
    fseek(stream, 0, SEEK_END);
    // The last write asks for the whole size, as far as the block holds it.
    size_t last = size > 0 ? static_cast<size_t>(size) : 0;
    [[maybe_unused]] size_t last_put = fwrite(block, 1, last < sizeof block ? last : sizeof block, stream);
    rewind(stream);
    return 0;
}
