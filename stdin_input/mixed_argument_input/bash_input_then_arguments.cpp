// Echoes one line of input, then each argument: options and numbers up to 100
// as their text, larger numbers as their value.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/wrap.hpp"
#include "common/intconv.hpp"

// Prompts, reads a line of at most 49 characters, drops its newline and
// prints it without one. The input may end at once: the line is then empty.
static void output_input() {
    printf("Enter input (BASH): ");
    char line[50] = "";
    if (!fgets(line, sizeof line, stdin)) line[0] = '\0';
    line[strcspn(line, "\n")] = '\0';
    printf("Input: %s", line);
}

int main(int argc, char* argv[]) {
    output_input();
    for (int i = 1; i < argc; i++) {
        const char* text = argv[i];
        if (text[0] == '-') {
            printf("Input: %s\n", text);
            continue;
        }
        int value = common::to_int(common::strtol64(text, nullptr, 10));
        if (value <= 100)
            printf("Input: %s\n", text);
        else
            printf("Input: %d\n", value);
    }
    return 0;
}
