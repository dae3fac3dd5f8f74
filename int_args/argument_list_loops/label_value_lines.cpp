// Prints each argument's text with its integer value, one per line.
#include <cstdio>

#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; i++) printf("%s: %d\n", argv[i], common::atoi_int(argv[i]));
    return 0;
}
