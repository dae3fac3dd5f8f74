// Asks for one number per argument, under the argument's own text.
#include <cstdio>

#include "common/input.hpp"

int main(int argc, char* argv[]) {
    for (int k = 1; k < argc; k++) {
        printf("Input %s: ", argv[k]);
        int number = 0;
        common::scan_int(number);
    }
    return 0;
}
