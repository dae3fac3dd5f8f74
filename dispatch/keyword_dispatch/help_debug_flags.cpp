// Greets, then answers "-h"/"--help" with an arguments line and "--debug" with
// a debug notice; any other argument is refused. The arguments line names the
// slot after the last argument, which holds no argument: it prints "(null)".
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        printf("Invalid input. Please provide only one argument.");
        return 1;
    }
    puts("Hello World!");
    if (strcmp(argv[1], "-h") == 0 || strcmp(argv[1], "--help") == 0) {
        printf("Arguments: %s\n", common::arg(argc, argv, argc));
        return 0;
    }
    if (strcmp(argv[1], "--debug") == 0) {
        puts("Debug mode enabled.");
        return 0;
    }
    printf("Invalid argument: %s\n", argv[1]);
    return 1;
}
