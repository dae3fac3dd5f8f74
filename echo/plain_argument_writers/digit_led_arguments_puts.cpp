// Writes its arguments one per line as long as each starts with a digit; the
// first that does not ends the program with a refusal.
#include <cstdio>

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; i++) {
        if (argv[i][0] < '0' || argv[i][0] > '9') {
            printf("Invalid input. Please enter only digits.");
            return 1;
        }
        puts(argv[i]);
    }
    return 0;
}
