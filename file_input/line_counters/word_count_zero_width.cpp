// Counts words with 100 reads of width 1: each holds only its terminator, so
// strtok finds no word and the count is always 0.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <input_file>\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Error: File not found.");
        return 1;
    }
    int words = 0;
    char buf[1];
    for (int i = 0; i < 100; i++) {
        buf[0] = '\0';
        if (!fgets(buf, sizeof buf, in)) buf[0] = '\0';
        for (char* word = strtok(buf, " \n"); word; word = strtok(nullptr, " \n")) words++;
    }
    fclose(in);
    printf("The number of words in %s is: %d\n", argv[1], words);
    return 0;
}
