// Prints the integers of the file named by the first argument, one per line,
// until text that is not a number or the end of the file. Without an
// argument the name is empty and the open fails.
#include <cstdio>

#include "common/args.hpp"
#include "common/input.hpp"

int main(int argc, char* argv[]) {
    FILE* in = fopen(common::arg_or_empty(argc, argv, 1), "r");
    if (!in) {
        perror("Error: File not found or cannot be opened.");
        return 1;
    }
    int value = 0;
    int result;
    while ((result = common::scan_int(value, in)) != 0 && result != EOF) printf("%d\n", value);
    fclose(in);
    return 0;
}
