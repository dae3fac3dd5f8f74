// Writes its arguments as lines, at most ten of them, stopping before the
// first one longer than 1000 characters.
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc && i <= 10; i++) {
        if (strlen(argv[i]) > 1000) break;
        puts(argv[i]);
    }
    return 0;
}
