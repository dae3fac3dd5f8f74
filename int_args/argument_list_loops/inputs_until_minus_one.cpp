// Lists arguments 2 to 10 with their positions, stopping before the first one
// whose integer value is -1. The first argument is converted and not used; a
// missing one counts as 0.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    int first = common::to_int(strtol(common::arg_or_empty(argc, argv, 1), nullptr, 10));
    (void)first;
    for (int i = 2; i <= 10 && i < argc; i++) {
        if (common::to_int(strtol(argv[i], nullptr, 10)) == -1) break;
        printf("Input %d: %s\n", i, argv[i]);
    }
    return 0;
}
