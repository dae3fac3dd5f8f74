// Prints its one integer argument, or with more arguments the sum of all but
// the first; with none it prints 0.
#include <cstdio>

#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    int sum = 0;
    if (argc == 2)
        sum = common::atoi_int(argv[1]);
    else
        for (int i = 2; i < argc; i++) sum = common::wrap_add(sum, common::atoi_int(argv[i]));
    printf("%d\n", sum);
    return 0;
}
