// Replaces, in place, e by 3, t by 7, c by 5 and every other character by 0.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Please provide a single argument.");
    printf("Input: %s\n", argv[1]);
    for (char* p = argv[1]; *p; p++) {
        switch (*p) {
        case 'e': *p = '3'; break;
        case 't': *p = '7'; break;
        case 'c': *p = '5'; break;
        default: *p = '0'; break;
        }
    }
    printf("Optimized String: %s\n", argv[1]);
    return 0;
}
