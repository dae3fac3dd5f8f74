// Reads its argument with strtol (base 10, trailing text and range not looked
// at) and prints the number, low 32 bits, as if it were a length.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <input_string>\n", argv[0]);
    long long number = common::strtol64(argv[1], nullptr, 10);
    printf("%d characters long.\n", common::to_int(number));
    return 0;
}
