// Adds up its integer arguments, each of which must begin with a digit; the
// first one that does not is reported and ends the program with status 1.
#include <cctype>
#include <cstdio>

#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    int total = 0;
    for (int i = 1; i < argc; i++) {
        if (!isdigit(static_cast<unsigned char>(argv[i][0]))) {
            printf("Invalid input: %s\n", argv[i]);
            return 1;
        }
        total = common::wrap_add(total, common::atoi_int(argv[i]));
    }
    printf("The total is: %d\n", total);
    return 0;
}
