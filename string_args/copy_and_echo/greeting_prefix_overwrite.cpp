// Copies at most 5 bytes of its one argument over the start of the greeting
// "Hello, " and writes what the greeting then says: a shorter argument is
// followed by NUL bytes and so ends it, a longer one shows its first 5 bytes
// and the greeting's ", ".
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <input_string>\n", argv[0]);
    char greeting[8] = "Hello, ";
    strncpy(greeting, argv[1], 5);
    puts(greeting);
    return 0;
}
