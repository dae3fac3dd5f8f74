// Adds two integers read with strtol (base 10) and prints the low 32 bits of
// the sum; a wrong count gets an error line without a newline.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) {
        fputs("Error: Invalid input. Please enter two integer values.", stdout);
        return 1;
    }
    long long sum = common::wrap_add(common::strtol64(argv[1], nullptr, 10), common::strtol64(argv[2], nullptr, 10));
    printf("Sum: %d\n", common::to_int(sum));
    return 0;
}
