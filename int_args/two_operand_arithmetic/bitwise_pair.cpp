// AND, OR and XOR of two integers (decimal, "0x" hexadecimal or "0" octal)
// and the complement of the first.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage(1, "Usage: %s <x> <y>\n", argv[0]);
    int a = common::to_int(common::strtol64(argv[1], nullptr, 0));
    int b = common::to_int(common::strtol64(argv[2], nullptr, 0));
    printf("a & b: %d\n", a & b);
    printf("a | b: %d\n", a | b);
    printf("a ^ b: %d\n", a ^ b);
    printf("~a: %d\n", ~a);
    return 0;
}
