// Asks n times for a number and prints the last one read as the value of pi.
// The count is the first argument taken as unsigned, so a negative count asks
// until it wraps around; without an argument nothing is asked.
#include <cstdio>
#include <cstdlib>

#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int n = argc >= 2 ? common::to_int(common::strtol64(argv[1], nullptr, 10)) : 0;
    double value = 0;
    for (unsigned int left = static_cast<unsigned int>(n); left != 0; --left) {
        printf("Enter a number: ");
        if (scanf("%lf", &value) != 1) continue;  // value keeps the last number read
    }
    printf("The value of pi is: %lf\n", value);
    return 0;
}
