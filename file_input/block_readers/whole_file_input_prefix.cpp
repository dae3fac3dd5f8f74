// Reads a whole file, sized by moving to its end, into a heap block and
// prints it after "Input: ". The file is left for the exit to close.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s filename\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("Error: cannot open file %s\n", argv[1]);
        return 1;
    }
    fseek(in, 0, SEEK_END);
    long long size = ftell(in);
    rewind(in);
    // A file that cannot be measured (ftell fails) is read as empty.
    size_t bytes = size > 0 ? static_cast<size_t>(size) : 0;
    char* contents = static_cast<char*>(malloc(bytes + 1));
    if (!contents) {
        perror("Error allocating memory");
        return 1;
    }
    size_t n = fread(contents, 1, bytes, in);
    contents[n] = '\0';
    printf("Input: %s\n", contents);
    free(contents);
    return 0;
}
