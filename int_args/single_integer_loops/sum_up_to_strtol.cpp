// Sums 1 + 2 + ... + n, converting the argument again at every test of the
// loop; the sum wraps at 32 bits.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Usage: ./sum <numbers>");
        return 1;
    }
    int sum = 0;
    for (int i = 1; i <= common::to_int(common::strtol64(argv[1], nullptr, 10)); i++) {
        sum = common::wrap_add(sum, i);
        if (i == 2147483647) break;  // the counter never steps past INT_MAX
    }
    printf("The sum of the numbers is %d\n", sum);
    return 0;
}
