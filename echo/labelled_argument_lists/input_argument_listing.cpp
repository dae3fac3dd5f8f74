// Lists the arguments numbered from 1; refuses to run without one.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 1))
        return common::usage(1, "No input provided. Please enter command line arguments.");
    for (int i = 1; i < argc; i++) printf("Input argument #%d: %s\n", i, argv[i]);
    return 0;
}
