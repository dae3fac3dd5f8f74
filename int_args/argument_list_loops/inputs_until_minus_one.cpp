// Lists arguments 2 to 10 with their positions, stopping before the first one
// whose value by strtol is -1 (a value whose low 32 bits alone are -1, such
// as 4294967295, goes on). The first argument is converted and not used; a
// missing one counts as 0.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int first = common::to_int(common::strtol64(common::arg_or_empty(argc, argv, 1), nullptr, 10));
    (void)first;
    for (int i = 2; i <= 10 && i < argc; i++) {
        if (common::strtol64(argv[i], nullptr, 10) == -1) break;
        printf("Input %d: %s\n", i, argv[i]);
    }
    return 0;
}
