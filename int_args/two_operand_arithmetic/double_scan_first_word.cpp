// Scans both numbers from argument 1 as "%d%d" would (argument 2 is not
// used) and prints their sum. A number that is not there reads as 0, and
// when the first is missing the second is not looked for.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage(1, "Usage: %s number1 number2\n", argv[0]);
    int a = 0, b = 0;
    const char* p = argv[1];
    char* end;
    long long v = common::strtol64(p, &end, 10);
    if (end != p) {
        a = common::to_int(v);
        p = end;
        v = common::strtol64(p, &end, 10);
        if (end != p) b = common::to_int(v);
    }
    printf("The sum of %d and %d is %d\n", a, b, common::wrap_add(a, b));
    return 0;
}
