// Reads n integers and reports n plus the number of neighbouring pairs that
// differ, counted from the start up to the first pair of equal neighbours.
// Only the previous value is needed, so values are compared as they are read.
// A value that cannot be read counts as 0.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/input.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <number of inputs>\n", argv[0]);
    int n = common::to_int(common::strtol64(argv[1], nullptr, 10));

    int count = n;
    int previous = 0;
    bool comparing = true;
    for (int i = 1; i <= n; ++i) {
        printf("Input %d: ", i);
        int value = 0;
        common::scan_int(value);
        if (i >= 2 && comparing) {
            if (value != previous)
                count = common::wrap_add(count, 1);
            else
                comparing = false;
        }
        previous = value;
        if (i == n) break;  // stops before i could pass INT_MAX
    }
    printf("The maximum number of unique inputs is %d\n", count);
    return 0;
}
