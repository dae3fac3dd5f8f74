// Prints the length of its one argument; the usage line goes to standard error.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage_err(1, "Usage: %s <input>\n", argv[0]);
    printf("Length of input: %d\n", static_cast<int>(strlen(argv[1])));
    return 0;
}
