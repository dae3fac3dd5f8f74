// Says whether its first integer argument is positive; a value that is not is
// named by the argument's own text. A missing argument reads as "(null)",
// which converts to 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    const char* text = common::arg(argc, argv, 1);
    int v = common::atoi_int(text);
    if (v > 0)
        printf("%d is a positive number.\n", v);
    else
        printf("%s is not a positive number.\n", text);
    return 0;
}
