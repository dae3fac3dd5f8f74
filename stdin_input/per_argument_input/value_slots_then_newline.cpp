// Asks for one value per argument, then ends the prompt line.
#include <cstdio>

#include "common/input.hpp"

int main(int argc, char** argv) {
    (void)argv;
    for (int k = 1; k < argc; k++) {
        printf("Input value %d is: ", k);
        int value = 0;
        common::scan_int(value);  // the value is not used
    }
    printf("\n");
    return 0;
}
