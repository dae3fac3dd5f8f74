// Prints the sum of the lengths of its arguments.
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    size_t total = 0;
    for (int i = 1; i < argc; i++) total += strlen(argv[i]);
    printf("The length of the input is %d\n", static_cast<int>(total));
    return 0;
}
