// Reads an integer or a float as the format letter given asks, or prints the
// string given after "s".
#include <cstdio>
#include <cstring>

#include "common/input.hpp"

static void invalid() {
    printf("Invalid input format. Please enter 'i' for integer, 'f' for float, or 's' for string.\n");
}

int main(int argc, char* argv[]) {
    if (argc == 2) {
        if (argv[1][0] == 'i') {
            int number = 0;
            common::scan_int(number);
        } else if (argv[1][0] == 'f') {
            float number = 0;
            if (scanf("%f", &number) != 1) number = 0;
        } else {
            invalid();
        }
    } else if (argc == 3 && strcmp(argv[1], "s") == 0) {
        printf("Input string: %s\n", argv[2]);
    } else {
        invalid();
    }
    return 0;
}
