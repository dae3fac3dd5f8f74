// Applies an operator read from standard input to the first two arguments.
// The third argument is converted and not used. Missing arguments count as 0.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    int a = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    int b = common::atoi_int(common::arg_or_empty(argc, argv, 2));
    double unused = atof(common::arg_or_empty(argc, argv, 3));
    (void)unused;

    printf("Enter operator: ");
    int op = getchar();  // "%c": white space is an operator too; no input is none
    int r;
    switch (op) {
    case '+': r = common::wrap_add(a, b); break;
    case '-': r = common::wrap_sub(a, b); break;
    case '*': r = common::wrap_mul(a, b); break;
    case '/':
        if (b == 0) {
            printf("Error: Division by zero is not allowed.\n");
            return 1;
        }
        r = common::wrap_div(a, b);
        break;
    default:
        printf("Error: Invalid operator.\n");
        return 1;
    }
    printf("The result is: %.2f\n", static_cast<double>(r));
    return 0;
}
