// Says whether it was started under the name "clang", then rounds its numeric
// argument by adding 0.5 and truncating toward zero (NaN and values outside
// int's range give INT_MIN).
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"
#include "common/fp.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <number>\n", argv[0]);
    double x = strtod(argv[1], nullptr);
    if (strcmp(argv[0], "clang") == 0)
        puts("Your program has passed static analysis by Clang.");
    else
        puts("Sorry, your program has not passed static analysis by Clang yet.");
    // The sum is rounded to a double before it is truncated: the largest
    // double below 0.5 gives 1.
    printf("Result: %d\n", common::trunc_to_int(common::add(x, 0.5)));
    return 0;
}
