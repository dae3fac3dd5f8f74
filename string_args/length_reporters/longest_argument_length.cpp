// Prints the greatest length among its arguments.
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    size_t longest = 0;
    for (int i = 1; i < argc; i++) {
        size_t length = strlen(argv[i]);
        if (length > longest) longest = length;
    }
    printf("Maximum length of command-line arguments is %d\n", static_cast<int>(longest));
    return 0;
}
