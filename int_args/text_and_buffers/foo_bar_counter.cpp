// Counts "foo" up and "bar" down; a single argument also gives x.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    int x = common::has_args(argc, 1) ? common::atoi_int(argv[1]) : 0;
    int y = 0;
    for (int i = 1; i < argc; i++) {
        if (strcmp(argv[i], "foo") == 0) y = common::wrap_add(y, 1);
        if (strcmp(argv[i], "bar") == 0) y = common::wrap_sub(y, 1);
    }
    printf("x = %d, y = %d\n", x, y);
    return 0;
}
