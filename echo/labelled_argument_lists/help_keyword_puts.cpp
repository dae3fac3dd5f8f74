// Writes every argument on a line of its own; "-h" ends the program quietly
// and "--help" prints a usage text and ends it with status 1.
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    printf("Input: ");
    for (int i = 1; i < argc; i++) {
        if (strcmp(argv[i], "-h") == 0) return 0;
        if (strcmp(argv[i], "--help") == 0) {
            printf("Usage: %s [-h]", argv[0]);
            return 1;
        }
        puts(argv[i]);
    }
    return 0;
}
