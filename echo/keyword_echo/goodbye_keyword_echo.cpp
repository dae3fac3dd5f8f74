// Writes every argument on a line and says goodbye when the first one is
// "goodbye".
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; i++) puts(argv[i]);
    if (argc > 1 && strcmp(argv[1], "goodbye") == 0) printf("Goodbye! Let's wrap up!");
    return 0;
}
