// Accepts only the name input.txt and prints the first integer in that file
// (0 when the file holds none or cannot be opened: the accepted name always
// ends with the value line and status 0).
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"
#include "common/input.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        printf("Usage: %s filename\n", argv[0]);
        exit(1);
    }
    if (strcmp(argv[1], "input.txt") != 0) {
        printf("Invalid filename or input type. Please use 'input.txt' for integer input.");
        exit(1);
    }
    int value = 0;
    if (FILE* in = fopen(argv[1], "r")) {
        common::scan_int(value, in);
        fclose(in);
    }
    printf("The input is: %d\n", value);
    return 0;
}
