// Reports the value that follows each "switch" among its arguments.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    int i = 1;
    while (i < argc) {
        if (strcmp(argv[i], "switch") == 0) {
            const char* value = common::arg(argc, argv, i + 1);
            printf("Argument %d: '%s\n', %s\n", i + 1, value, value);
            i += 2;
        } else {
            i += 1;
        }
    }
    return 0;
}
