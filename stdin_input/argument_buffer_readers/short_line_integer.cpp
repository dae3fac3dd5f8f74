// Reads a line of at most 7 characters in place of the first argument and
// prints the number it starts with; a text without a number gives 0. At the
// end of input the argument's own text is converted.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    printf("Enter a number: ");
    char buf[8];
    const char* text = fgets(buf, sizeof buf, stdin) ? buf : common::arg_or_empty(argc, argv, 1);
    int value = 0;
    common::sscanf_int(text, &value);
    printf("You entered: %d\n", value);
    return 0;
}
