// Prints the length of its one argument. Any other count ends the program
// with status 1 and no output.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return 1;
    printf("%d\n", static_cast<int>(strlen(argv[1])));
    return 0;
}
