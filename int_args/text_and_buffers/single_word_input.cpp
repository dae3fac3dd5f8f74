// Echoes the first word of its one argument (at most 99 characters; none:
// empty).
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Error: Expecting 1 argument.");
        return 1;
    }
    char word[100] = "";
    sscanf(argv[1], "%99s", word);
    printf("Input: %s\n", word);
    return 0;
}
