// Prints the number that starts the file, or the second argument's value
// when the file does not start with one. The word after the number is read
// and not used; the file is left to be closed at exit.
#include <cstdio>

#include "common/args.hpp"
#include "common/input.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) {
        printf("Please provide two command-line arguments: a filename and an integer value.");
        return 1;
    }
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("Error: could not open file %s\n", argv[1]);
        return 1;
    }
    int value = common::atoi_int(argv[2]);
    static char word[256];
    if (common::scan_int(value, in) == 1 && fscanf(in, " %255s", word) == 1) {
        // the word is read past and not used
    }
    printf("The value of the expression is: %d\n", value);
    return 0;
}
