// Welcomes the user and answers a help or version request given as its first
// argument.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    printf("Welcome to the program!\n");
    const char* command = common::arg_or_empty(argc, argv, 1);
    if (strcmp(command, "--help") == 0) {
        printf("Usage: %s [options]\n", argv[0]);
    } else if (strcmp(command, "--version") == 0) {
        printf("This program version is:\n");
        puts(argv[0]);
    } else {
        printf("Invalid command. Usage: %s [options]\n", argv[0]);
    }
    return 1;
}
