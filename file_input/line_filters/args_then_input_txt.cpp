// Prints up to nine arguments on one line, then echoes input.txt from the
// working directory with puts, 99 bytes at a time.
#include <cstdio>

#include "common/args.hpp"
#include "common/lines.hpp"

int main(int argc, char* argv[]) {
    if (common::has_at_least(argc, 10)) {
        puts("Too many arguments!");
        return 1;
    }
    for (int i = 1; i < argc; i++) printf("%s ", argv[i]);
    printf("\n");
    FILE* in = fopen("input.txt", "r");
    if (!in) {
        puts("Cannot open file!");
        return 1;
    }
    common::for_each_piece<100>(in, [](const char* piece) { puts(piece); });
    fclose(in);
    return 0;
}
