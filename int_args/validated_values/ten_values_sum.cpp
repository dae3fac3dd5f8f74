// Takes up to ten integer arguments (later ones are ignored, missing ones are
// 0), lists them and prints their sum.
#include <cstdio>

#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    int values[10] = {};
    for (int i = 0; i < 10 && i + 1 < argc; i++) values[i] = common::atoi_int(argv[i + 1]);
    printf("Input values: %d, %d, %d, %d, %d, %d, %d, %d, %d, %d\n", values[0], values[1], values[2], values[3],
           values[4], values[5], values[6], values[7], values[8], values[9]);
    int sum = 0;
    for (int v : values) sum = common::wrap_add(sum, v);
    printf("Sum of input values: %d\n", sum);
    return 0;
}
