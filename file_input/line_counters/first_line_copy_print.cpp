// Copies the first piece of a file (1023 bytes at most) into a heap block of
// its own size and prints the copy as read, newline and all; an empty file
// prints nothing.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage_err(1, "Usage: %s filename\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        fprintf(stderr, "%s: cannot open file %s\n", argv[0], argv[1]);
        return 1;
    }
    char buf[1024];
    if (!fgets(buf, sizeof buf, in)) buf[0] = '\0';
    size_t size = strlen(buf) + 1;
    char* copy = static_cast<char*>(malloc(size));
    if (!copy) {
        fclose(in);
        return 1;
    }
    memcpy(copy, buf, size);
    int written = printf("%s", copy);
    free(copy);
    if (written == -1) {
        fprintf(stderr, "%s: cannot write output.\n", argv[0]);
        fclose(in);
        return 1;
    }
    fclose(in);
    return 0;
}
