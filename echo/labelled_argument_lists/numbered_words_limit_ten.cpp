// Lists every word of the command line, the invocation name first, numbered
// from 1; refuses more than nine arguments.
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc > 10) {
        printf("Error: too many arguments\n");
        return 1;
    }
    for (int i = 0; i < argc; i++) printf("Argument %d: %s\n", i + 1, argv[i]);
    return 0;
}
