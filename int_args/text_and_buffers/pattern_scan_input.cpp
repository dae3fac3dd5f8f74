// Scans the first word of argument 1 (at most 99 characters) as a word
// followed by an integer. A missing argument counts as empty.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    const char* input = common::arg_or_empty(argc, argv, 1);
    if (input[0] == '\0') {
        puts("Error: missing input");
        return 1;
    }
    char word[100] = "";
    sscanf(input, "%99s", word);

    char name[100];
    int value;
    int consumed = 0;
    int items = 0;
    if (sscanf(word, " %99[^ ]%n", name, &consumed) == 1) {
        items = 1;
        if (common::sscanf_int(word + consumed, &value) == 1) items = 2;
    }
    if (items != 2) {
        puts("Error: malformed input");
        return 1;
    }
    printf("Input: %s\n", input);
    return 0;
}
