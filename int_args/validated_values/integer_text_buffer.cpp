// Formats its argument's value into a 17-byte buffer and writes it.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <integer>\n", argv[0]);
    char buffer[17];
    snprintf(buffer, sizeof buffer, "%d", common::atoi_int(argv[1]));
    puts(buffer);
    return 0;
}
