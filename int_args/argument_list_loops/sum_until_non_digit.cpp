// Adds up its integer arguments until the first one that does not begin with
// a digit.
#include <cctype>
#include <cstdio>

#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    int sum = 0;
    for (int i = 1; i < argc; i++) {
        if (!isdigit(static_cast<unsigned char>(argv[i][0]))) break;
        sum = common::wrap_add(sum, common::atoi_int(argv[i]));
    }
    printf("Sum of all arguments: %d\n", sum);
    return 0;
}
