// For each of the first 9997 characters of argument 1: a '0' prints a value
// computed from argument 2 and the position, anything else an error line.
// The walk ends at the end of argument 1.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    const char* text = common::arg_or_empty(argc, argv, 1);
    int base = common::atoi_int(common::arg_or_empty(argc, argv, 2));
    printf("Input: %d\n", 1);
    printf("Input: %d\n", 2);
    for (int i = 0; i <= 9996 && text[i] != '\0'; i++) {
        if (text[i] == '0')
            printf("Output: %d\n", common::wrap_add(base, 3 * i + 8));
        else
            puts("Error: Invalid input");
    }
    return 0;
}
