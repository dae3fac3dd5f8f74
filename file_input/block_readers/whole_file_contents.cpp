// Reads a whole file, sized by moving to its end, into a heap block and
// prints it as text after a heading; no newline is added after the contents.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Please provide a filename as an argument");
        return 1;
    }
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("File not found");
        return 1;
    }
    fseek(in, 0, SEEK_END);
    long long size = ftell(in);
    rewind(in);
    // A file that cannot be measured (ftell fails) is read as empty.
    size_t bytes = size > 0 ? static_cast<size_t>(size) : 0;
    char* contents = static_cast<char*>(malloc(bytes + 1));
    if (!contents) {
        puts("Memory allocation failed");
        fclose(in);
        return 1;
    }
    // The text ends after what was read, which is less than the size if the
    // file shrank meanwhile.
    size_t n = fread(contents, 1, bytes, in);
    contents[n] = '\0';
    printf("File contents:\n%s", contents);
    free(contents);
    fclose(in);
    return 0;
}
