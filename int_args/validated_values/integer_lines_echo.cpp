// Prints the integer value of each argument on a line of its own.
#include <cstdio>

#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; i++) printf("%d\n", common::atoi_int(argv[i]));
    return 0;
}
