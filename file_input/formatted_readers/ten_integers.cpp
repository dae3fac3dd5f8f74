// Reads an integer ten times and prints the slot after each read: once the
// file's numbers run out, the last one (or 0) is printed again.
#include <cstdio>

#include "common/args.hpp"
#include "common/input.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        printf("Error: Please provide an input filename as the first argument.");
        return 1;
    }
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("Error: File not found or could not be opened.");
        return 1;
    }
    int value = 0;
    for (int i = 0; i < 10; i++) {
        common::scan_int(value, in);
        printf("%d\n", value);
    }
    fclose(in);
    return 0;
}
