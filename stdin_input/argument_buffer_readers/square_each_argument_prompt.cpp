// Prints the square of every argument that is not negative (as by atoi); for a
// negative one it asks for a positive number and reads a line of at most 99
// characters in its place, which is not used, and goes on with the next.
// Without arguments it keeps asking and reading lines until the input ends.
#include <cstdio>

#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    char buf[100];
    if (argc < 2) {
        do printf("Please enter a number: ");
        while (fgets(buf, sizeof buf, stdin));
        return 0;
    }
    for (int i = 1; i < argc; ++i) {
        int v = common::atoi_int(argv[i]);
        if (v >= 0) {
            printf("The square of %d is %d\n", v, common::wrap_mul(v, v));
        } else {
            printf("Invalid input. Please enter a positive number: ");
            if (!fgets(buf, sizeof buf, stdin)) buf[0] = '\0';
        }
    }
    return 0;
}
