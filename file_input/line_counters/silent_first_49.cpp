// Reads the first piece of a file (49 bytes at most) and prints nothing. Its
// messages end without a newline.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        printf("Error: Invalid number of arguments. Please provide only one input file as an argument.");
        return 1;
    }
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("Error: Could not open input file. Please check that the file exists and is in a valid format.");
        return 1;
    }
    char buf[50];
    if (!fgets(buf, sizeof buf, in)) buf[0] = '\0';
    fclose(in);
    return 0;
}
