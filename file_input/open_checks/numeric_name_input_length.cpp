// Opens the file named by its argument, then looks at the arguments as
// numbers: the input length is printed only when none of them has its low
// 8 bits all zero.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/intconv.hpp"

// Walks the arguments from the first, taking each one's position as the
// length; an argument whose value (base 10) has its low 8 bits all zero ends
// the walk at once with 0. Past the last one it prints the length and gives 1.
static int wcstold(int argc, char** argv) {
    int length = 0;
    for (int i = 1; i < argc; i++) {
        length = i;
        unsigned long long value = static_cast<unsigned long long>(common::strtol64(argv[i], nullptr, 10));
        if ((value & 0xffUL) == 0) return 0;
    }
    printf("Input length: %d\n", length);
    return 1;
}

int main(int argc, char** argv) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <input_file>\n", argv[0]);
    FILE* file = fopen(argv[1], "r");
    if (file == nullptr) {
        printf("Cannot open file %s\n", argv[1]);
        return 1;
    }
    wcstold(argc, argv);
    fclose(file);
    return 0;
}
