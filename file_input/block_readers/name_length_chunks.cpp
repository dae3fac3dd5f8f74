// Reads a file in chunks as long as its name, each into a fresh heap block,
// at most as many times as the file has bytes and until a read reaches the
// end of the file, and prints the last chunk read. An empty file reads no
// chunk and prints an empty text.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <input_file>\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("Error opening file: %s\n", argv[1]);
        return 2;
    }
    fseek(in, 0, SEEK_END);
    long long size = ftell(in);
    rewind(in);
    size_t length = strlen(argv[1]);
    char* chunk = nullptr;
    for (long long i = 0; i < size; i++) {
        free(chunk);  // only the last chunk is kept
        chunk = static_cast<char*>(malloc(length + 1));
        if (!chunk) {
            perror("Error allocating memory");
            fclose(in);
            return 1;
        }
        size_t n = fread(chunk, 1, length, in);
        chunk[n] = '\0';
        if (feof(in) || ferror(in)) break;
    }
    fclose(in);
    printf("Input: %s\n", chunk ? chunk : "");
    free(chunk);
    return 0;
}
