// Adds up the decimal digits that appear anywhere in a file and prints the
// sum, which wraps in 32 bits. Arguments after the first are ignored.
#include <cstdio>

#include "common/args.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 1)) return common::usage(1, "Usage: %s <input_file>\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Error: unable to open input file.");
        return 1;
    }
    int sum = 0;
    int c;
    while ((c = fgetc(in)) != EOF)
        if (c >= '0' && c <= '9') sum = common::wrap_add(sum, c - '0');
    printf("The sum is: %d\n", sum);
    fclose(in);
    return 0;
}
