// Counts the vowels of its one argument, held in a 100-byte buffer: a longer
// argument is cut to its first 99 bytes.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"
#include "common/copy.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <input>\n", argv[0]);
    char input[100];
    common::copy_bounded(input, argv[1]);
    int vowels = 0;
    for (const char* p = input; *p != '\0'; p++)
        if (strchr("aeiouAEIOU", *p) != nullptr) vowels++;
    printf("Number of vowels: %d\n", vowels);
    return 0;
}
