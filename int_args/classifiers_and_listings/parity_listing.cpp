// Lists 0 to n-1 with their parity after echoing n; negative n is refused.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s integer\n", argv[0]);
    int n = common::atoi_int(argv[1]);
    if (n < 0) {
        puts("Invalid input. Please enter a positive integer.");
        return 1;
    }
    printf("The number you entered is: %d\n", n);
    for (int k = 0; k < n; k++) {
        if (k & 1)
            printf("Odd number %d\n", k);
        else
            printf("Even number %d\n", k);
    }
    return 0;
}
