// Describes each of its first ten arguments that is a known short flag.
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc && i <= 10; i++) {
        if (strcmp(argv[i], "-p") == 0)
            printf("Pruning\n");
        else if (strcmp(argv[i], "-f") == 0)
            printf("Frontend implementation\n");
        else if (strcmp(argv[i], "-l") == 0)
            printf("Labeled statement\n");
        else
            printf("Invalid input: %s\n", argv[i]);
    }
    return 0;
}
