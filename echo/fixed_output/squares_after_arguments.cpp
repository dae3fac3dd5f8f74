// Echoes each argument as a line, then prints the squares of 1 to 5.
#include <cstdio>

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; i++) printf("%s\n", argv[i]);
    int values[5] = {1, 2, 3, 4, 5};
    for (int v : values) printf("%d squared is %f\n", v, static_cast<double>(v) * v);
    return 0;
}
