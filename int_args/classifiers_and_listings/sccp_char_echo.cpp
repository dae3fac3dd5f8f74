// Takes n from its first argument and goes through the first n arguments
// (stopping at the last one there is): the first character of each is written
// as it is when it is a letter, and as "sccp_" and the character on a line of
// its own otherwise.
#include <cstdio>

#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (argc < 2) return 0;
    int n = common::atoi_int(argv[1]);
    for (int i = 0; i < n && i + 1 < argc; i++) {
        char ch = argv[i + 1][0];
        if ((ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z'))
            putchar(ch);
        else
            printf("sccp_%c\n", ch);
    }
    return 0;
}
