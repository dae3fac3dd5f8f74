// Echoes its one argument; any other count gets a fixed usage line on stderr.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        fprintf(stderr, "Usage: ./program input_string\n");
        exit(1);
    }
    printf("Input: %s\n", argv[1]);
    return 0;
}
