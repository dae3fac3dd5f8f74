// Keeps the first word of each argument in a 10-byte field, up to the first
// argument longer than 8 characters, and tells whether the last one kept is
// odd or even. An argument without a word leaves the field as it was.
#include <cstdio>
#include <cstring>

#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    char field[10] = "";
    for (int i = 1; i < argc; i++) {
        if (strlen(argv[i]) > 8) break;
        sscanf(argv[i], "%9s", field);
    }
    int v = common::atoi_int(field);
    printf(v % 2 != 0 ? "%d is odd.\n" : "%d is even.\n", v);
    return 0;
}
