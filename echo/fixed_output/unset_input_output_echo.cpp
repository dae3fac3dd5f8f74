// Prints its input and output buffers, which hold empty texts.
#include <cstdio>

int main() {
    char input[100] = "";
    char output[100] = "";
    printf("Input: %s\n", input);
    printf("Output: %s\n", output);
    return 0;
}
