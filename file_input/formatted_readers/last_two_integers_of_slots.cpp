// Reads two integers from the file named by the second argument into the
// last two of (number of arguments - 1) int slots, and prints every slot
// after "%d ", then a newline. Slots nothing fills are 0; with a single slot
// the first integer read has no slot and only the second is kept. A missing
// second argument is an empty name that cannot be opened.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/input.hpp"

int main(int argc, char* argv[]) {
    FILE* in = fopen(common::arg_or_empty(argc, argv, 2), "r");
    if (!in) {
        puts("Error opening file");
        return 1;
    }
    int n = argc - 2;
    int* slots = static_cast<int*>(calloc(static_cast<size_t>(n), sizeof(int)));
    if (!slots) {
        perror("Error allocating memory");
        return 1;
    }
    int unkept = 0;
    common::scan_int(n >= 2 ? slots[n - 2] : unkept, in);
    common::scan_int(slots[n - 1], in);
    fclose(in);
    for (int i = 0; i < n; i++) printf("%d ", slots[i]);
    printf("\n");
    free(slots);
    return 0;
}
