// Asks for n numbers and adds up the even ones among arguments 2 to n+1.
// Values that are not on the command line add nothing.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int n = common::to_int(common::strtol64(common::arg_or_empty(argc, argv, 1), nullptr, 10));
    printf("Enter %d numbers: ", n);
    int sum = 0;
    for (int i = 0; i < n && i + 2 < argc; i++) {
        int value = common::to_int(common::strtol64(argv[i + 2], nullptr, 10));
        if (value % 2 == 0) sum = common::wrap_add(sum, value);
    }
    printf("Sum of even numbers: %d\n", sum);
    return 0;
}
