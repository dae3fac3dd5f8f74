// Prints its argument's value once for each character of the argument.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s integer\n", argv[0]);
    int value = common::to_int(common::strtol64(argv[1], nullptr, 10));
    size_t length = strlen(argv[1]);
    for (size_t i = 0; i < length; i++) printf("%d\n", value);
    return 0;
}
