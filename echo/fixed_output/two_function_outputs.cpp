// Prints the first argument's value and twice that value, as the outputs of
// two functions.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

static int first(const char* text) { return common::atoi_int(text); }
static int second(int v) { return common::wrap_mul(v, 2); }

int main(int argc, char* argv[]) {
    int v = first(common::arg_or_empty(argc, argv, 1));
    printf("The output of the first function is %d\n", v);
    printf("The output of the second function is %d\n", second(v));
    return 0;
}
