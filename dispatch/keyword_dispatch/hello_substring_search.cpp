// Says whether its argument contains "hello". The argument is held in a
// 256-byte buffer: only its first 255 bytes are kept and searched.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"
#include "common/copy.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s string\n", argv[0]);
    char input[256];
    common::copy_bounded(input, argv[1]);
    if (strstr(input, "hello"))
        puts("String 'hello' found in input.");
    else
        puts("String 'hello' not found in input.");
    return 0;
}
