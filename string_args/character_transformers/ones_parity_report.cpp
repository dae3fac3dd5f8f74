// For each argument prints it and the parity of its count of "1" characters;
// stops after the first argument whose count is even.
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char* argv[]) {
    for (int a = 1; a < argc; a++) {
        size_t length = strlen(argv[a]);
        char* copy = static_cast<char*>(malloc(length + 1));
        if (!copy) return 1;
        memcpy(copy, argv[a], length + 1);
        printf("Input: %s\n", copy);
        int ones = 0;
        for (size_t i = 0; i < length; i++)
            if (copy[i] == '1') ones++;
        int parity = ones % 2;
        printf("Output: %d\n", parity);
        free(copy);
        if (parity == 0) break;
    }
    return 0;
}
