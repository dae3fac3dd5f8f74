// Prints the first character of each argument with its code in hexadecimal.
#include <cstdio>

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; i++) {
        // The byte is taken as signed: one of 128 or more is negative and its
        // int code shows as ffffffxx, on every target.
        signed char c = static_cast<signed char>(argv[i][0]);
        printf("ASCII value of %c is 0x%x\n", c, static_cast<unsigned>(static_cast<int>(c)));
    }
    return 0;
}
