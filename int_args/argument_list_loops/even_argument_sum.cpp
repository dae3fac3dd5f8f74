// Adds up the integer arguments whose values are even.
#include <cstdio>

#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    int sum = 0;
    for (int i = 1; i < argc; i++) {
        int v = common::atoi_int(argv[i]);
        if (v % 2 == 0) sum = common::wrap_add(sum, v);
    }
    printf("Sum of even numbers: %d\n", sum);
    return 0;
}
