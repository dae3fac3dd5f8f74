// Prints the integer value of the first argument of each pair: positions 1,
// 3, 5 and so on that have an argument after them.
#include <cstdio>

#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    for (int i = 1; i + 1 < argc; i += 2) printf("%d\n", common::atoi_int(argv[i]));
    return 0;
}
