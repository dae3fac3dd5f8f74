// Requires the compiler name "gcc" first, then opens the file named second
// and writes that name back without a newline.
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc < 2) {
        puts("ERROR: Missing input file name.");
        return 1;
    }
    if (strcmp(argv[1], "gcc") != 0) {
        puts("ERROR: Required C compiler not included");
        return 1;
    }
    // Without a second argument there is nothing to open, as if the open failed.
    FILE* file = argc > 2 ? fopen(argv[2], "r") : nullptr;
    if (file == nullptr) {
        puts("ERROR: Could not open input file.");
        return 1;
    }
    fputs(argv[2], stdout);
    fclose(file);
    return 0;
}
