// Sums the decimal digits of argument 1 unless it is made of '0' and '1'
// alone. The text is split in place at '0' and '1' first, so the number read
// afterwards from its start ends at the first '0' or '1' after a digit that
// is neither (205 reads as 2). Three or more arguments are taken as binary.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/wrap.hpp"
#include "common/intconv.hpp"

static int sum_of_digits(int value) {
    int sum = 0;
    while (value > 0) {
        sum += value % 10;
        value /= 10;
    }
    return sum;
}

int main(int argc, char* argv[]) {
    if (argc >= 4) {
        puts("Input is in binary format.");
        return 0;
    }
    // A missing argument is taken as the empty text, which holds no token.
    char empty[1] = "";
    char* input = argc > 1 ? argv[1] : empty;
    if (strtok(input, "01") == nullptr) {
        puts("Invalid input. Please enter a decimal number.");
        return 0;
    }
    int value = common::to_int(common::strtol64(input, nullptr, 10));
    printf("Sum of digits: %d\n", sum_of_digits(value));
    return 0;
}
