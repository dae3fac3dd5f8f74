// Prints the first character of each argument with its code in hexadecimal.
#include <cstdio>

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; i++) {
        char c = argv[i][0];
        // A byte of 128 or more is a negative char: its int code shows as ffffffxx.
        printf("ASCII value of %c is 0x%x\n", c, static_cast<unsigned>(static_cast<int>(c)));
    }
    return 0;
}
