// Prints every word of its command line, invocation name first, with its
// length; refuses more than 9 arguments.
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    if (argc > 10) {
        printf("Error: too many arguments\n");
        return 1;
    }
    for (int i = 0; i < argc; i++) printf("Argument %d: %s (%d characters)\n", i + 1, argv[i], static_cast<int>(strlen(argv[i])));
    return 0;
}
