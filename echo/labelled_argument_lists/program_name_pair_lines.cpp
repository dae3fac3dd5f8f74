// Prints the invocation name, then for every argument one line pairing the
// first two arguments, joined by " - " when the visited argument is an option.
//
// A missing first or second argument is shown as "(null)".
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    printf("Program Name: %s\n", argv[0]);
    printf("Command Line Arguments:\n");
    const char* first = common::arg(argc, argv, 1);
    const char* second = common::arg(argc, argv, 2);
    for (int i = 1; i < argc; i++) {
        if (argv[i][0] == '-')
            printf("%s - %s\n", first, second);
        else
            printf("%s: %s\n", first, second);
    }
    return 0;
}
