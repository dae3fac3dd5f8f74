// Counts from 1 up to n, one number a line.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    // A missing argument reads as text without digits, which converts to 0.
    int n = common::to_int(common::strtol64(common::arg_or_empty(argc, argv, 1), nullptr, 10));
    for (int i = 1; i <= n; i++) {
        printf("%d\n", i);
        if (i == n) break;  // the counter never steps past INT_MAX
    }
    return 0;
}
