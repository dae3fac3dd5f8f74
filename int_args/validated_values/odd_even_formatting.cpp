// Formats its first argument's value into a 16-byte buffer: odd values in
// full, even ones cut to 9 characters. A missing argument counts as 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int n = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    char buffer[16];
    if (n % 2 != 0)
        snprintf(buffer, sizeof buffer, "%d", n);
    else
        snprintf(buffer, 10, "%d", n);
    puts(buffer);
    return 0;
}
