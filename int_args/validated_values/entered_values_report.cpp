// Reports how many arguments were given, then scans each one after the first
// as an integer.
#include <cstdio>

#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (argc < 2) {
        puts("You need to pass at least one argument.");
        return 0;
    }
    printf("The number of arguments: %d\n", argc - 1);
    for (int i = 2; i < argc; i++) {
        int value;
        if (common::sscanf_int(argv[i], &value) == 1)
            printf("You entered: %d\n", value);
        else
            puts("Invalid input format. Please enter an integer.");
    }
    return 0;
}
