// Prints the first argument, the program's source name, the word count and the
// arguments from the second on.
#include <cstdio>

namespace {
const char* const source_name = "source_name_argument_summary";
}

int main(int argc, char* argv[]) {
    if (argc < 2) {
        printf("No input provided.\n");
        printf("Program: %s\n", source_name);
        printf("Arguments: %d\n", 1);
        return 0;
    }
    printf("Input: %s\n", argv[1]);
    printf("Program: %s\n", source_name);
    printf("Arguments: %d\n", argc);
    for (int i = 2; i < argc; i++) printf("Argument %d: %s\n", i, argv[i]);
    return 0;
}
