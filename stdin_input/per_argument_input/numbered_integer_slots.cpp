// Asks for one number per word of the command line, the invocation name
// included, so one more time than there are arguments.
#include <cstdio>

#include "common/input.hpp"

int main(int argc, char* argv[]) {
    (void)argv;
    for (int k = 1; k <= argc; k++) {
        printf("Input %d: ", k);
        int number = 0;
        common::scan_int(number);
    }
    return 0;
}
