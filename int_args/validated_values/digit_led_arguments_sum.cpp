// Adds up the arguments that start with a decimal digit; others are skipped.
#include <cctype>
#include <cstdio>

#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    int sum = 0;
    for (int i = 1; i < argc; i++)
        if (isdigit(static_cast<unsigned char>(argv[i][0]))) sum = common::wrap_add(sum, common::atoi_int(argv[i]));
    printf("The sum is %d\n", sum);
    return 0;
}
