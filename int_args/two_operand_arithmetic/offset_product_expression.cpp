// Accepts a first value only when it equals the character code of a digit
// (48 to 57) and prints it times (argument 2 + 2), less 1, wrapping at 32
// bits. A missing argument 2 reads as 0.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 1)) {
        puts("Usage: ./program <integer_value> <operation>(+,-,*,/) <operand> [<operand>]...");
        return 1;
    }
    int v = common::to_int(common::strtol64(argv[1], nullptr, 10));
    if (v < '0' || v > '9') {
        puts("Invalid argument type. Please enter a valid integer value");
        return 1;
    }
    int w = common::to_int(common::strtol64(common::arg_or_empty(argc, argv, 2), nullptr, 10));
    printf("Result: %d\n", common::wrap_sub(common::wrap_mul(v, common::wrap_add(w, 2)), 1));
    return 0;
}
