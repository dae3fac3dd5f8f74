// Adds up its arguments converted with strtol, each kept to 32 bits.
#include <cstdio>
#include <cstdlib>

#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int sum = 0;
    for (int i = 1; i < argc; i++) sum = common::wrap_add(sum, common::to_int(common::strtol64(argv[i], nullptr, 10)));
    printf("The sum of the input values is: %d\n", sum);
    return 0;
}
