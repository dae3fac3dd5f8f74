// Lists at most the first ten arguments as "arg[i] = text".
#include <cstdio>

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc && i <= 10; i++) printf("arg[%d] = %s\n", i, argv[i]);
    return 0;
}
