// Reads one line and echoes it when every character is a letter or a digit;
// stops at the first other character with an error on standard error. The
// argument "exit" ends the program at once.
#include <cctype>
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s INPUT\n", argv[0]);

    // Empty input leaves an empty line, which passes.
    char line[1024] = "";
    if (!fgets(line, sizeof line, stdin)) line[0] = '\0';
    if (strcmp(argv[1], "exit") == 0) return 0;

    line[strcspn(line, "\r\n")] = '\0';
    for (const char* p = line; *p != '\0'; ++p) {
        if (!isalnum(static_cast<unsigned char>(*p))) {
            fprintf(stderr, "Invalid character %c in input.\n", *p);
            return 1;
        }
        putchar(*p);
    }
    putchar('\n');
    return 0;
}
