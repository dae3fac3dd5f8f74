// Adds two integers when the third argument is the word "add"; any other
// operation (or none) gets the invalid-operation line, without a newline.
// Missing arguments read as 0.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    int a = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    int b = common::atoi_int(common::arg_or_empty(argc, argv, 2));
    if (strcmp(common::arg_or_empty(argc, argv, 3), "add") == 0)
        printf("The sum of %d and %d is %d\n", a, b, common::wrap_add(a, b));
    else
        printf("Invalid operation. Please enter either 'add' or 'subtract'.");
    return 0;
}
