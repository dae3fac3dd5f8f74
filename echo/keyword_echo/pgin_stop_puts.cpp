// Writes its arguments as lines up to the first "-pgin".
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc && strcmp(argv[i], "-pgin") != 0; i++) puts(argv[i]);
    return 0;
}
