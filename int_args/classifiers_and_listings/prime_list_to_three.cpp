// Lists 2 and 3 with their verdicts: the limit is the fixed text "3".
#include <cstdio>

#include "common/intconv.hpp"

int main() {
    [[maybe_unused]] int first = common::atoi_int("2");
    int m = common::atoi_int("3");
    for (int i = 2; i <= m; i++) {
        bool prime = true;
        if (i / 2 != 1) {
            for (int j = 2; j <= i / 2; j++) {
                if (i % j == 0) {
                    prime = false;
                    break;
                }
            }
        }
        if (prime)
            printf("%d is prime.\n", i);
        else
            printf("%d is composite.\n", i);
    }
    return 0;
}
