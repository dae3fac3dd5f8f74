// Starts from a positive n and adds the following arguments while they are
// positive.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 2)) {
        puts("Usage: ./program <n>");
        return 1;
    }
    int n = common::to_int(common::strtol64(argv[1], nullptr, 10));
    if (n <= 0) {
        printf("Invalid input: %s\n", argv[1]);
        return 1;
    }
    int sum = n;
    for (int i = 2; i < argc; i++) {
        int value = common::to_int(common::strtol64(argv[i], nullptr, 10));
        if (value <= 0) break;
        sum = common::wrap_add(sum, value);
    }
    printf("Sum of %d and all positive integer inputs: %d\n", n, sum);
    return 0;
}
