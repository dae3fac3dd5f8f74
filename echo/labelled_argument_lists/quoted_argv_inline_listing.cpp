// Prints every argument numbered and quoted on one line with no final newline,
// or asks for input when there is none.
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc < 2) {
        printf("Please enter an input: ");
        return 0;
    }
    for (int i = 1; i < argc; i++) printf("argv[%d] is '%s': ", i, argv[i]);
    return 0;
}
