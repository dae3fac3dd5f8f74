// Reads one line as into a buffer of n bytes, n being the first argument:
// at most n-1 characters, up to and including the newline, and writes them
// back one by one. n of 1 or less reads nothing; so does an input that ends
// at once. The characters go out as they are read, so no n-byte block is
// needed however large n is.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int n = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    printf("Enter a string of length %d: ", n);
    for (int read = 1; read < n; read++) {  // at most n-1 characters
        int c = getchar();
        if (c == EOF) break;
        putchar(c);
        if (c == '\n') break;
    }
    return 0;
}
