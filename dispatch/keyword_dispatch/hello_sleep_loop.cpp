// Greets n times, pausing a second after each greeting; n of 0 or less greets
// no time.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <num>\n", argv[0]);
    // Read as atoi reads it: the low 32 bits of the long value.
    int n = common::to_int(common::strtol64(argv[1], nullptr, 10));
    for (int i = 0; i < n; ++i) {
        puts("Hello, world!");
        sleep(1);
    }
    return 0;
}
