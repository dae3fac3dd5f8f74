// A postfix calculator: "num1 num2 op" with op + - * or / (its first
// character; no zero check). An unknown operator leaves the result at 0.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/fp.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 3)) return common::usage(1, "Usage: %s <num1> <num2> <operator>\n", argv[0]);
    double a = atof(argv[1]);
    double b = atof(argv[2]);
    double result = 0;
    switch (argv[3][0]) {
        case '+': result = common::add(a, b); break;
        case '-': result = common::sub(a, b); break;
        case '*': result = common::mul(a, b); break;
        case '/': result = common::div(a, b); break;
        default: break;
    }
    printf("%lf\n", result);
    return 0;
}
