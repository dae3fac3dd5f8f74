// Reads and drops at most n characters, n being the first argument, stopping
// after the first newline or at the end of input. Prints nothing.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int n = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    for (int i = 0; i < n; i++) {
        int c = getchar();
        if (c == EOF || c == '\n') break;
    }
    return 0;
}
