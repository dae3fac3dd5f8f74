// Writes a duplicate of its one argument, made with strdup, one character at a
// time under a caption, then a newline. The usage line goes to standard error,
// and so does the report of a failed duplication (status 1).
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage_err(1, "Usage: %s <input_string>\n", argv[0]);
    char* input = strdup(argv[1]);
    if (input == nullptr) {
        perror("strdup");
        return 1;
    }
    printf("Input string is:\n");
    for (const char* p = input; *p != '\0'; ++p) putchar(*p);
    putchar('\n');
    free(input);
    return 0;
}
