// Counts 0 to 9, echoes the first argument from a 100-byte buffer (a longer
// argument is cut to its first 99 bytes, a missing one is taken as empty),
// then writes the letters a to h in turn over the first letter of "Hello, ".
#include <cstdio>

#include "common/args.hpp"
#include "common/copy.hpp"

int main(int argc, char* argv[]) {
    for (int i = 0; i < 10; i++) printf("%d\n", i);
    char buffer[100];
    common::copy_bounded(buffer, common::arg_or_empty(argc, argv, 1));
    puts(buffer);
    char greeting[8] = "Hello, ";
    const char letters[11] = "abcdefghij";
    for (int i = 0; i < 8; i++) greeting[0] = letters[i];
    puts(greeting);
    return 0;
}
