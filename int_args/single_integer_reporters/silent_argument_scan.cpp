// Reads its one argument as a decimal integer and prints nothing; only a wrong
// count is reported. The number is read with strtol and cut to 32 bits, which
// stays defined for text beyond the int range.
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <integer>\n", argv[0]);
    [[maybe_unused]] int value = common::to_int(common::strtol64(argv[1], nullptr, 10));
    return 0;
}
