// Echoes its one argument and its length in bytes.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        printf("Error: program requires one argument\n");
        return 1;
    }
    printf("Input: %s\n", argv[1]);
    printf("Length: %d\n", static_cast<int>(strlen(argv[1])));
    return 0;
}
