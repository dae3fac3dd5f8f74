// Echoes the first word of its one argument (at most 255 characters; none:
// empty).
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Error: Invalid number of arguments");
        return 1;
    }
    char word[256] = "";
    sscanf(argv[1], "%255s", word);
    printf("Input: %s\n", word);
    return 0;
}
