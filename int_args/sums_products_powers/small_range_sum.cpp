// Asks for a number from 1 to 10 but reads it from argument 1, then sums
// 1..n. The prompt has no newline, so the answer shares its line. A missing
// argument reads as 0 and is refused like it.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    const int max = 10;
    printf("Please enter a number between 1 and %d: ", max);
    int n = common::to_int(common::strtol64(common::arg_or_empty(argc, argv, 1), nullptr, 10));
    if (n <= 0 || n > max) {
        puts("Invalid input!");
        exit(1);
    }
    int sum = 0;
    for (int i = 1; i <= n; i++) sum += i;
    printf("The sum of all numbers from 1 to %d is: %d\n", n, sum);
    return 0;
}
