// Lists the arguments from the second on as "argi: text"; the first is skipped.
#include <cstdio>

int main(int argc, char* argv[]) {
    for (int i = 2; i < argc; i++) printf("arg%d: %s\n", i, argv[i]);
    return 0;
}
