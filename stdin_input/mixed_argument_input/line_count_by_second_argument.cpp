// Reads one line per character of the second argument into a copy of the
// first, each read at most as long as the first argument, and prints what the
// copy holds at the end. Missing arguments count as empty texts.
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    const char* first = common::arg_or_empty(argc, argv, 1);
    const char* second = common::arg_or_empty(argc, argv, 2);
    size_t length = strlen(first);
    if (length >= INT_MAX) length = INT_MAX - 1;
    char* buffer = static_cast<char*>(malloc(length + 1));
    if (!buffer) return 1;
    memcpy(buffer, first, length);
    buffer[length] = '\0';
    for (const char* p = second; *p != '\0'; p++) {
        if (!fgets(buffer, static_cast<int>(length + 1), stdin)) {
            // end of input: the buffer keeps what it held
        }
    }
    printf("User Input: %s\n", buffer);
    free(buffer);
    return 0;
}
