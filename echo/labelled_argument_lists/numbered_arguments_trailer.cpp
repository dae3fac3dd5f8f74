// Lists the arguments numbered from 1, then a closing line that announces them.
#include <cstdio>

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; i++) printf("Argument %d: %s\n", i, argv[i]);
    printf("You provided these arguments: \n");
    return 0;
}
