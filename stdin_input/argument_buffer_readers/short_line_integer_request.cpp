// Asks for an argument; given one, reads a line of at most 7 characters in its
// place and prints it as an integer (as by atoi). At the end of input the
// argument's own text is converted.
#include <cstdio>

#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (argc < 2) {
        printf("Please provide an argument when running this program.");
        return 0;
    }
    char buf[8];
    const char* text = fgets(buf, sizeof buf, stdin) ? buf : argv[1];
    printf("You entered: %d\n", common::atoi_int(text));
    return 0;
}
