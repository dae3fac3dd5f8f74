// Opens a file for reading and tries to write a greeting to it; the stream
// does not allow writes, so the file keeps its contents.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s INPUT_FILE\n", argv[0]);
    FILE* file = fopen(argv[1], "r");
    if (!file) {
        perror("Error opening file: ");
        return 1;
    }
    (void)fwrite("Hello, world!\n", 1, 14, file);
    fclose(file);
    return 0;
}
