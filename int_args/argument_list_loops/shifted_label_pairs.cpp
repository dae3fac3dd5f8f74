// Prints each argument but the last with the integer value of the argument
// after it. Fewer than two arguments print nothing.
#include <cstdio>

#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    for (int i = 1; i + 1 < argc; i++) printf("%s: %d\n", argv[i], common::atoi_int(argv[i + 1]));
    return 0;
}
