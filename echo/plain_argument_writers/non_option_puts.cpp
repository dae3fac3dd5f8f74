// Writes, one per line, the arguments that do not begin with a dash.
#include <cstdio>

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; i++) {
        if (argv[i][0] != '-') puts(argv[i]);
    }
    return 0;
}
