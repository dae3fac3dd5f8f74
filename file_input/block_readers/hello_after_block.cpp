// Reads one 100-byte item of a file and greets the world; the data itself is
// not shown.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <input_file>\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Error: File not found.");
        return 1;
    }
    char item[100];
    [[maybe_unused]] size_t got = fread(item, 100, 1, in);
    puts("Hello, World!");
    fclose(in);
    return 0;
}
