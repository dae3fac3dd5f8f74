// Says which of two integers is greater, without a final newline; a zero
// first value is reported at once, without looking at the second. A missing
// argument reads as 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int a = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    if (a == 0) {
        printf("The input is zero.");
        return 0;
    }
    int b = common::atoi_int(common::arg_or_empty(argc, argv, 2));
    if (b < a)
        printf("%d is greater than %d.", a, b);
    else if (b == a)
        printf("The two inputs are equal.");
    else
        printf("%d is greater than %d.", b, a);
    return 0;
}
