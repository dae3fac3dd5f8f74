// Prints its one integer argument (read by strtol, cut to int) without a
// newline; zero is refused with status 2.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s INPUT\n", argv[0]);
    int v = common::to_int(common::strtol64(argv[1], nullptr, 10));
    if (v == 0) {
        puts("Input must be a non-zero integer.");
        return 2;
    }
    printf("%d", v);
    return 0;
}
