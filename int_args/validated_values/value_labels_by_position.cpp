// Labels the arguments after the first: every fourth one is "optimized".
#include <cstdio>

#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (argc < 2) {
        puts("Please provide an argument for the optimization program.");
        return -1;
    }
    for (int i = 1; i + 1 < argc; i++) {
        int value = common::atoi_int(argv[i + 1]);
        if (i % 4 == 0)
            printf("Optimized value: %d\n", value);
        else
            printf("Original value: %d\n", value);
    }
    return 0;
}
