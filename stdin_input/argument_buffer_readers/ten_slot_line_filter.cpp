// Asks ten times for a number and reads a line of at most 7 characters in place
// of each of the first ten arguments in turn, printing each on a line of its
// own unless it is "__STDC_NO_COMPLEX__" (which only an argument's own text,
// kept at the end of input, can be). A missing argument stands for an empty
// text, so there are always ten slots.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    for (int i = 1; i <= 10; ++i) {
        printf("Enter a number: ");
        char buf[8];
        const char* text = fgets(buf, sizeof buf, stdin) ? buf : common::arg_or_empty(argc, argv, i);
        if (strcmp(text, "__STDC_NO_COMPLEX__") != 0) printf("%s\n", text);
    }
    return 0;
}
