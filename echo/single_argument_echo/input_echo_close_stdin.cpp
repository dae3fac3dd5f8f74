// Echoes its first argument and an empty line, then closes standard input unread.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 1)) {
        printf("Please provide an argument\n");
        return 1;
    }
    printf("Input: %s\n", argv[1]);
    printf("\n");
    fclose(stdin);
    return 0;
}
