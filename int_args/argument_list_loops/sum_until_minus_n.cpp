// Adds up its integer arguments up to an argument "-n", which ends the sum.
#include <cstdio>
#include <cstring>

#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    int sum = 0;
    for (int i = 1; i < argc; i++) {
        if (strcmp(argv[i], "-n") == 0) break;
        sum = common::wrap_add(sum, common::atoi_int(argv[i]));
    }
    printf("The sum of the integers passed as arguments is: %d\n", sum);
    return 0;
}
