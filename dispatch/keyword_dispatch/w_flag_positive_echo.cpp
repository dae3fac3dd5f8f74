// Echoes its first argument when the second is a positive number and the first
// is not empty; otherwise says the input is invalid. A missing second argument
// (and a missing first) counts as not positive.
#include <cstdio>
#include <cstdlib>

#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    bool positive = false;
    if (argc > 2) {
        // Read as atoi reads it: the low 32 bits of the long value.
        int n = common::to_int(common::strtol64(argv[2], nullptr, 10));
        positive = n > 0;
    }
    if (positive && argv[1][0] != '\0') {
        printf("The input is: %s\n", argv[1]);
        return 0;
    }
    puts("Invalid input!");
    return 0;
}
