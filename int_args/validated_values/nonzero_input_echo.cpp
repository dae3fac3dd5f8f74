// Echoes its one argument's value unless it is 0.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Error: too few or too many arguments");
        return 1;
    }
    int value = common::to_int(common::strtol64(argv[1], nullptr, 10));
    if (value == 0) {
        puts("Error: invalid input");
        return 1;
    }
    printf("Input: %d\n", value);
    return 0;
}
