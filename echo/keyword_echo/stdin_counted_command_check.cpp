// Reads a count from standard input and checks that many words of the
// argument vector, from the invocation name on, against its commands.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"
#include "common/input.hpp"

static bool is_command(const char* word) {
    return strcmp(word, "-c") == 0 || strcmp(word, "--dead-code-elimination") == 0 ||
           strcmp(word, "--optimization-passes") == 0 || strcmp(word, "--setjmp") == 0;
}

int main(int argc, char* argv[]) {
    printf("Enter a number: ");
    int n = 0;  // stays 0 when no number could be read
    common::scan_int(n);
    if (!common::has_args(argc, 1)) {
        printf("Error: incorrect usage.\n");
        return 1;
    }
    for (int i = 0; i < n && i < argc; i++) {
        if (!is_command(argv[i])) {
            printf("Invalid command.\n");
            return 1;
        }
        printf("Command: %s\n", common::arg(argc, argv, i + 1));
    }
    return 0;
}
