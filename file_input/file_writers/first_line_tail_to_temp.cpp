// Reads the first line of a file (up to 99 bytes) and writes to temp.txt a
// record as long as that line, starting at its newline (or at its end when it
// has none); the bytes after the line are zero.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s filename\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Error: File not found.");
        return 1;
    }
    // Room for the line and, behind it, as many zero bytes as the record can
    // run past the line's end.
    char line[200] = {};
    if (!fgets(line, 100, in)) {
        puts("Error: File reading failed.");
        fclose(in);
        return 1;
    }
    size_t length = strlen(line);
    size_t start = strcspn(line, "\n");
    FILE* temp = fopen("temp.txt", "w");
    // Without temp.txt the record has nowhere to go: no message, status 1.
    if (!temp) {
        fclose(in);
        return 1;
    }
    fwrite(line + start, 1, length, temp);
    fclose(in);
    fclose(temp);
    return 0;
}
