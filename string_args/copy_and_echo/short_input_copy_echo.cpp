// Echoes its one argument of at most 10 bytes after copying it into an 11-byte
// buffer. A wrong count or a longer argument gets the usage line on standard
// error.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1) || strnlen(argv[1], 11) > 10)
        return common::usage_err(1, "Usage: %s <input>\n", argv[0]);
    char input[11];
    size_t length = strnlen(argv[1], 10);
    strncpy(input, argv[1], 10);
    input[length] = '\0';
    printf("Input: %s\n", input);
    return 0;
}
