// Accepts one argument that starts with a letter and prints it with its
// integer value.
#include <cctype>
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Please provide one argument");
        return 1;
    }
    if (!isalpha(static_cast<unsigned char>(argv[1][0]))) {
        puts("Please provide a non-numeric argument");
        return 1;
    }
    printf("%s: %d\n", argv[1], common::atoi_int(argv[1]));
    return 0;
}
