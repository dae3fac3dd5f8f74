// Counts from 0 to n-1, then reads a date as three numbers separated by slashes
// and prints them in that order with dashes. Parts that cannot be read are 0.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/input.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <input>\n", argv[0]);
    int n = common::to_int(common::strtol64(argv[1], nullptr, 10));
    for (int i = 0; i < n; ++i) printf("%d\n", i);

    int first = 0, second = 0, third = 0;
    // "%d/%d/%d": each field is read only when everything before it matched.
    if (common::scan_int(first) == 1 && common::scan_literal('/') && common::scan_int(second) == 1 &&
        common::scan_literal('/'))
        common::scan_int(third);
    printf("The date is %d-%02d-%04d.\n", first, second, third);
    return 0;
}
