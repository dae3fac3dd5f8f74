// Formats the sum of two positive integers into a 20-byte text and writes it
// as a line. Missing arguments read as 0 and so are refused like other
// non-positive values, with status 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    int a = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    int b = common::atoi_int(common::arg_or_empty(argc, argv, 2));
    if (a <= 0 || b <= 0) {
        puts("Invalid input. Please enter two positive integers.");
        return 0;
    }
    char text[20];
    snprintf(text, sizeof text, "%d", common::wrap_add(a, b));
    puts(text);
    return 0;
}
