// Reads n characters, white space included, n being the first argument, and
// prints the argument and exactly the characters read. The input may end
// before n characters: only those read are printed. They go out as they are
// read, so no n-byte block is needed however large n is.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    long long n = common::strtol64(common::arg_or_empty(argc, argv, 1), nullptr, 10);
    printf("ASCII representation: %s\n", common::arg(argc, argv, 1));
    printf("ASCII representation of input: ");
    for (long long i = 0; i < n; i++) {
        int c = getchar();
        if (c == EOF) break;
        putchar(c);
    }
    printf("\n");
    return 0;
}
