// Greets the world, then echoes a single argument, or lists the arguments from
// the third on when there are three or more.
#include <cstdio>

int main(int argc, char* argv[]) {
    printf("Hello world!\n");
    if (argc == 2)
        printf("You passed a single argument: %s.\n", argv[1]);
    else
        for (int i = 3; i < argc; i++) printf("Argument %d: %s\n", i, argv[i]);
    return 0;
}
