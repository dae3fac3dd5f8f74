// Writes its arguments up to a "--loop" marker, then scans them again for a
// marker that ends the scan or one that reports undefined behaviour.
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc && strcmp(argv[i], "--loop") != 0; i++) puts(argv[i]);
    for (int i = 1; i < argc; i++) {
        if (strcmp(argv[i], "--loop") == 0 || strcmp(argv[i], "-n") == 0 || strcmp(argv[i], "-d") == 0) return 0;
        if (strcmp(argv[i], "--undefined") == 0 || strcmp(argv[i], "--undefined2") == 0) {
            printf("Error: Bounded undefined behavior detected.\n");
            return 1;
        }
    }
    return 0;
}
