// Writes at most the first ten characters of its first argument and a newline.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 1)) {
        printf("Please provide at least one argument\n");
        return 0;
    }
    for (int i = 0; i < 10 && argv[1][i] != '\0'; i++) putchar(argv[1][i]);
    putchar('\n');
    return 0;
}
