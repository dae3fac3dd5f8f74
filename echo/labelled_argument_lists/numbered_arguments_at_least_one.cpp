// Lists the arguments numbered from 1 with a hash sign; refuses to run without one.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 1)) return common::usage(1, "Error: Too few arguments\n");
    for (int i = 1; i < argc; i++) printf("Argument #%d: %s\n", i, argv[i]);
    return 0;
}
