// Adds up its first ten integer arguments (all of them when there are fewer).
#include <cstdio>

#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    int result = 0;
    for (int i = 1; i <= 10 && i < argc; i++) result = common::wrap_add(result, common::atoi_int(argv[i]));
    printf("Result: %d\n", result);
    return 0;
}
