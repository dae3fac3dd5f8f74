// Reads a line (not used) and reports the argument and its double, each after
// a greeting.
#include <cstdio>

#include "common/intconv.hpp"
#include "common/wrap.hpp"

static void foo() { printf("Hello, world!\n"); }

int main(int argc, char* argv[]) {
    if (argc != 2) {
        printf("Usage: %s input\n", argv[0]);
        return 1;
    }
    char line[256];
    if (!fgets(line, sizeof line, stdin)) line[0] = '\0';
    int x = common::atoi_int(argv[1]);
    foo();
    printf("x is %d\n", x);
    foo();
    printf("y is %d\n", common::wrap_mul(2, x));
    printf("%s is x times 2.\n", argv[1]);
    return 0;
}
