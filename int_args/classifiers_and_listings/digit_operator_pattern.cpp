// Cuts n down to its leading digits, then prints it with a row of commas and
// operators: "+" while the value is 1, "*" otherwise. No newline.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s argument\n", argv[0]);
    int n = common::atoi_int(argv[1]);
    int v = n;
    if (n > 10) {
        unsigned u = static_cast<unsigned>(n);
        unsigned before;
        do {
            before = u;
            u /= 10u;
        } while (before >= 110u);
        v = static_cast<int>(u);
    }
    for (int i = 0; i < 10; i++) {
        if (i == 0) {
            printf("%d ", v);
        } else if (i % 2 == 1) {
            printf(", ");
        } else {
            printf(v != 1 ? "* " : "+ ");
            v /= 10;
        }
    }
    return 0;
}
