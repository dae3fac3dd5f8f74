// Copies its one argument, a command, into a 10-byte buffer and echoes it. A
// command of 10 bytes or more does not fit and is cut to its first 9.
#include <cstdio>

#include "common/args.hpp"
#include "common/copy.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Usage: ./program <command>");
        return 1;
    }
    char command[10];
    common::copy_bounded(command, argv[1]);
    printf("Command: %s\n", command);
    return 0;
}
