// Counts from 1 up to n, one number a line, converting the argument again at
// every test of the loop.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    // A missing argument reads as text without digits, which converts to 0.
    const char* text = common::arg_or_empty(argc, argv, 1);
    for (int i = 1; i <= common::to_int(common::strtol64(text, nullptr, 10)); i++) {
        printf("%d\n", i);
        if (i == 2147483647) break;  // the counter never steps past INT_MAX
    }
    return 0;
}
