// Writes the first character of each argument after the first, up to the
// first empty one, then a newline. The first argument is converted and not
// used; a missing one counts as 0.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int first = common::to_int(common::strtol64(common::arg_or_empty(argc, argv, 1), nullptr, 10));
    (void)first;
    for (int i = 2; i < argc; i++) {
        if (argv[i][0] == '\0') break;
        putchar(argv[i][0]);
    }
    putchar('\n');
    return 0;
}
