// Squares a number from 1 to 99. The argument is first copied into a
// 100-byte buffer, at most 100 bytes of it, and the copy is not used again.
// A missing argument reads as the empty text and is refused like 0.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    const char* input = common::arg_or_empty(argc, argv, 1);
    char buffer[100];
    strncpy(buffer, input, sizeof buffer);
    int n = common::atoi_int(input);
    if (n <= 0 || n >= 100) {
        printf("Invalid input. Please enter a valid integer between 1 and 99.");
        return 1;
    }
    printf("%d\n", n * n);
    return 0;
}
