// Echoes the first space-separated token of its first argument. A missing
// argument is taken as the empty text, which has no token.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    static char empty[] = "";
    char* input = argc > 1 ? argv[1] : empty;
    char* token = strtok(input, " ");
    if (!token) {
        printf("Error: invalid input\n");
        return 1;
    }
    printf("Command Line Argument: %s\n", token);
    return 0;
}
