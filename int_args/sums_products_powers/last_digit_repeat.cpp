// Prints the last decimal digit of n, n times in a row, with no newline. A
// missing argument reads as 0 and is refused like it.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int n = common::to_int(common::strtol64(common::arg_or_empty(argc, argv, 1), nullptr, 10));
    if (n <= 0) {
        fprintf(stderr, "Error: input must be a positive integer.\n");
        return 1;
    }
    int digit = n % 10;
    for (int i = 0; i < n; i++) printf("%d", digit);
    return 0;
}
