// Checks that every argument from the second on starts with a letter, then
// copies them in turn into one 100-byte buffer and prints what it holds at
// the end: the last argument, cut to 99 characters.
#include <cctype>
#include <cstdio>

#include "common/args.hpp"
#include "common/copy.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 2)) return common::usage(1, "Usage: %s <input1> [<input2>]...\n", argv[0]);
    for (int i = 2; i < argc; i++)
        if (!isalpha(static_cast<unsigned char>(argv[i][0]))) return common::usage(1, "Invalid input: %s\n", argv[i]);
    char includes[100] = {};
    for (int i = 2; i < argc; i++) common::copy_bounded(includes, argv[i]);
    printf("All includes: %s\n", includes);
    return 0;
}
