// Checks that a file has a first line, keeps a copy of it, and reports the
// program's own name and that name's length. The second argument is not used.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage(1, "Usage: %s input_file output_file\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Error: File not found.");
        return 1;
    }
    char line[100];
    if (!fgets(line, sizeof line, in)) {
        puts("Error: File read error.");
        fclose(in);
        return 1;
    }
    fclose(in);
    char* copy = strdup(line);
    if (!copy) {
        puts("Error: Memory allocation error.");
        return 1;
    }
    printf("File name: %s\n", argv[0]);
    printf("File size in bytes: %zu\n", strlen(argv[0]));
    free(copy);
    return 0;
}
