// Checks that its argument is written in binary and prints its value.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Error: insufficient input");
        return 1;
    }
    for (const char* p = argv[1]; *p; p++) {
        if (*p != '0' && *p != '1') {
            puts("Error: input is not a valid binary number");
            return 1;
        }
    }
    printf("Input: %s\n", argv[1]);
    printf("Output: %d\n", common::to_int(common::strtol64(argv[1], nullptr, 2)));
    return 0;
}
