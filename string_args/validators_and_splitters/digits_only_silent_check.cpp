// Refuses its one argument when it holds anything but the digits 0 to 9;
// prints nothing when it passes.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Error: program requires exactly one argument\n");
    for (const char* p = argv[1]; *p; p++)
        if (*p < '0' || *p > '9') return common::usage(1, "Invalid input: must contain only digits\n");
    return 0;
}
