// Prints the first n entries of the list 1, 2, 3, 4, 5, 0 (entries past the
// list read as 0), then doubles the even and halves the odd ones among the
// first five it covers and prints the sum of the changes.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <n>\n", argv[0]);
    int list[6] = {1, 2, 3, 4, 5, 0};
    int n = common::atoi_int(argv[1]);
    for (int k = 0; k < n; k++) printf("%d\n", k < 6 ? list[k] : 0);
    int sum = 0;
    for (int k = 0; k < n && k < 5; k++) {
        int v = list[k];
        if (v % 2 == 0) {
            sum += 2 * v;
            list[k] = 2 * v;
        } else {
            sum += -(v / 2);
            list[k] = v / 2;
        }
    }
    printf("Sum: %d\n", sum);
    return 0;
}
