// Writes its one argument on a line of its own.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Error: Please provide one argument.");
        return -1;
    }
    puts(argv[1]);
    return 0;
}
