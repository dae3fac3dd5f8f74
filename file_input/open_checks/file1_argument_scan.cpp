// Looks through its arguments for the word "file1" and opens the argument
// that follows each one; the stream opened last is closed at the end.
// Nothing is printed.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char** argv) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s file1 file2 ...\n", argv[0]);
    FILE* file = nullptr;
    for (int i = 1; i < argc; i++) {
        // A "file1" in last place has no name after it, and nothing is opened for it.
        if (strcmp(argv[i], "file1") != 0 || i + 1 >= argc) continue;
        if (file != nullptr) fclose(file);  // only the last stream is kept
        file = fopen(argv[i + 1], "r");
    }
    if (file != nullptr) fclose(file);
    return 0;
}
