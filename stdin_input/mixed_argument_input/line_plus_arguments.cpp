// Reads a line and appends every argument to it, all in 100 bytes: what does
// not fit in 99 characters is cut off. No line at all starts from an empty one.
#include <cstdio>

#include "common/copy.hpp"

int main(int argc, char* argv[]) {
    printf("Enter a string: ");
    char text[100] = "";
    if (!fgets(text, sizeof text, stdin)) text[0] = '\0';
    for (int i = 1; i < argc; i++) common::append_bounded(text, argv[i]);
    printf("Output: %s\n", text);
    return 0;
}
