// Writes back those of its arguments that are known source file names.
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; i++) {
        if (strcmp(argv[i], "loop_optimizations.h") == 0 || strcmp(argv[i], "middle_end.h") == 0 ||
            strcmp(argv[i], "currency_symbol.c") == 0)
            puts(argv[i]);
    }
    return 0;
}
