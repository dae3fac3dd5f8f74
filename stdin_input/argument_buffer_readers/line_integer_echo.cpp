// Reads a line of at most 99 characters in place of the first argument and
// prints it as an integer (as by atoi). At the end of input the argument's own
// text is converted.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    printf("Enter an integer: ");
    char buf[100];
    const char* text = fgets(buf, sizeof buf, stdin) ? buf : common::arg_or_empty(argc, argv, 1);
    printf("You entered: %d\n", common::atoi_int(text));
    return 0;
}
