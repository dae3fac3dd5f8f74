// Writes each token of each argument, split at spaces, newlines and carriage
// returns, as a line.
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; i++)
        for (char* token = strtok(argv[i], " \n\r"); token; token = strtok(nullptr, " \n\r")) puts(token);
    return 0;
}
