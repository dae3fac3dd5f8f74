// Takes two numbers and uses the first character of the first one as the
// operator, so "-3 2" subtracts and "+4 1" adds; prints the equation.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/fp.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage(1, "Usage: %s op1 op2\n", argv[0]);
    double a = strtod(argv[1], nullptr);
    double b = strtod(argv[2], nullptr);
    switch (argv[1][0]) {
        case '+': printf("%lf + %lf = %.2f\n", a, b, common::add(a, b)); break;
        case '-': printf("%lf - %lf = %.2f\n", a, b, common::sub(a, b)); break;
        case '*': printf("%lf * %lf = %.2f\n", a, b, common::mul(a, b)); break;
        case '/':
            if (b == 0) {
                puts("Error: division by zero");
                return 1;
            }
            printf("%lf / %lf = %.2f\n", a, b, common::div(a, b));
            break;
        default:
            puts("Error: invalid operator");
            return 1;
    }
    return 0;
}
