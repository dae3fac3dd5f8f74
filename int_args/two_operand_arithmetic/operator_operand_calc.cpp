// A one-operator calculator: the first character of argument 1 picks the
// operation, argument 2 is the first operand and the word after it the
// second. The accepted count never provides that word, so the second operand
// reads as 0 (a missing word converts as text without digits) and a division
// always meets the zero-divisor refusal.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage(1, "Usage: %s operator operand\n", argv[0]);
    char op = argv[1][0];
    int x = common::atoi_int(argv[2]);
    int y = common::atoi_int(common::arg_or_empty(argc, argv, 3));
    switch (op) {
    case '*':
        printf("%d * %d = %d\n", x, y, common::wrap_mul(x, y));
        return 0;
    case '+':
        printf("%d + %d = %d\n", x, y, common::wrap_add(x, y));
        return 0;
    case '-':
        printf("%d - %d = %d\n", x, y, common::wrap_sub(x, y));
        return 0;
    case '/':
        if (y == 0) {
            puts("Error: division by zero");
            return 1;
        }
        printf("%d / %d = %d\n", x, y, common::wrap_div(x, y));
        return 0;
    default:
        puts("Invalid operator");
        return 1;
    }
}
