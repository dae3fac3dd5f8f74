// Reads a line (newline kept) and complains unless it is exactly the first
// argument; then prints the line. No line at all reads as an empty one; a
// missing argument matches nothing.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    char line[100] = "";
    if (!fgets(line, sizeof line, stdin)) line[0] = '\0';
    if (line[0] == '\0' || strcmp(line, common::arg_or_empty(argc, argv, 1)) != 0)
        printf("Invalid input. Please enter a valid string as the first argument\n");
    printf("Input: %s\n", line);
    return 0;
}
