// Says for each argument after the first whether its value is odd or even.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int first = common::to_int(common::strtol64(common::arg_or_empty(argc, argv, 1), nullptr, 10));
    (void)first;
    if (argc < 3) return 0;
    for (int i = 2; i < argc; i++) {
        int value = common::to_int(common::strtol64(argv[i], nullptr, 10));
        printf("Input: %d\n", value);
        puts(value % 2 != 0 ? "Output: Odd" : "Output: Even");
    }
    return 0;
}
