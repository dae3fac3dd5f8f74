// Reports how many arguments were given, counting fewer than two as one.
#include <cstdio>

int main(int argc, char* argv[]) {
    (void)argv;
    int count = argc - 1 >= 2 ? argc - 1 : 1;
    printf("The number of arguments passed: %d\n", count);
    return 0;
}
