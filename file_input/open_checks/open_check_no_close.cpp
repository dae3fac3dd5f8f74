// Opens the file named by its argument and ends without closing it: the
// stream goes away with the process.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char** argv) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s [input_file]\n", argv[0]);
    FILE* file = fopen(argv[1], "r");
    if (file == nullptr) {
        printf("Error: cannot open %s\n", argv[1]);
        return 1;
    }
    return 0;
}
