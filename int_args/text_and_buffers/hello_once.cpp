// Greets once; its one argument is converted and otherwise unused.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Usage: program arg1");
        return 1;
    }
    long long value = common::strtol64(argv[1], nullptr, 0);
    (void)value;
    puts("Hello, world!");
    return 0;
}
