// Prints each argument's value, halved (by a shift) when it is above 10; a
// negative value stops the program.
#include <cstdio>

#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; i++) {
        int value = common::atoi_int(argv[i]);
        if (value < 0) {
            puts("Invalid input");
            return 1;
        }
        printf("The result is %d\n", value <= 10 ? value : value >> 1);
    }
    return 0;
}
