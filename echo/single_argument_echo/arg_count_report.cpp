// Prints the word count, the invocation name included.
#include <cstdio>

int main(int argc, char*[]) {
    printf("Input argument count is %d\n", argc);
    return 0;
}
