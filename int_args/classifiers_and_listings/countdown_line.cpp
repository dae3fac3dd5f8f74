// Checks that its first argument reads as an integer with "%d", then counts
// down from it to 1 on one line. A missing argument is refused as an empty one.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    const char* text = common::arg_or_empty(argc, argv, 1);
    if (text[0] == '\0') {
        fprintf(stderr, "Error: no input provided.\n");
        return 1;
    }
    int n = 0;
    if (common::sscanf_int(text, &n) != 1) {
        fprintf(stderr, "Input is not a valid integer.\n");
        return 1;
    }
    puts("Input is a valid integer:");
    for (int i = n; i > 0; i--) printf("%d ", i);
    putchar('\n');
    return 0;
}
