// A calculator for "number operator number": applies + - * or / (the first
// character of the operator argument), refusing division by zero, and thanks
// the user.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/fp.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 3)) {
        puts("Error: Invalid number of arguments");
        return 1;
    }
    double a = atof(argv[1]);
    double b = atof(argv[3]);
    double result;
    switch (argv[2][0]) {
        case '+': result = common::add(a, b); break;
        case '-': result = common::sub(a, b); break;
        case '*': result = common::mul(a, b); break;
        case '/':
            if (b == 0) {
                puts("Error: Division by zero");
                return 1;
            }
            result = common::div(a, b);
            break;
        default:
            puts("Error: Invalid operator");
            return 1;
    }
    printf("The result is: %lf\n", result);
    puts("Thank you for using the calculator. Have a nice day!");
    return 0;
}
