// Converts its argument to an integer, refusing the word "dead".
#include <cstdio>
#include <cstring>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Usage: program.exe input");
        return 1;
    }
    if (strcmp(argv[1], "dead") == 0) {
        puts("Input is invalid. Please enter a different input.");
        return 1;
    }
    printf("Result: %d\n", common::atoi_int(argv[1]));
    return 0;
}
