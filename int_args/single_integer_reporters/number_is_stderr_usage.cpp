// Reads its argument with strtol (base 10, trailing text and range not looked
// at) and prints the low 32 bits; the usage line goes to standard error.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage_err(1, "Usage: %s <number>\n", argv[0]);
    long long number = common::strtol64(argv[1], nullptr, 10);
    printf("The number is: %d\n", common::to_int(number));
    return 0;
}
