// Takes a value of at most 100 from its first argument; a missing argument is
// shown as printf shows a null text and counts as 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    puts("Please enter a value:");
    const char* text = common::arg(argc, argv, 1);
    int value = common::atoi_int(text);
    if (value > 100) {
        fprintf(stderr, "Error: Input too large.\n");
        return 1;
    }
    printf("Input value: %s\n", text);
    printf("The number is %d\n", value);
    return 0;
}
