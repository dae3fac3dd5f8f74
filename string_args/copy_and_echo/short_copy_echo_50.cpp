// Copies at most 50 bytes of its one argument into a 56-byte buffer and
// echoes the copy; the copy is terminated right after those 50 bytes, so a
// longer argument is echoed as its first 50. Any other count prints nothing
// and still ends with status 0.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return 0;
    char input[56];
    strncpy(input, argv[1], 50);
    input[50] = '\0';
    printf("Input: %s\n", input);
    return 0;
}
