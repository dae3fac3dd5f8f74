// Reads one line of at most size-1 characters from standard input into a
// zero-filled block of `size` bytes and writes the whole block to output.txt.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    FILE* out = fopen("output.txt", "w");
    if (!out) {
        printf("Error: could not open file %s for writing\n", common::arg(argc, argv, 2));
        return 1;
    }
    // A missing size counts as 0; a size below 1 reads and writes nothing.
    int size = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    char* block = nullptr;
    if (size > 0) {
        block = static_cast<char*>(calloc(static_cast<size_t>(size), 1));
        if (!block) {
            fclose(out);
            return 1;
        }
    }
    printf("Input: ");
    if (block) {
        if (size > 1) (void)fgets(block, size, stdin);
        fwrite(block, 1, static_cast<size_t>(size), out);
        free(block);
    }
    fclose(out);
    return 0;
}
