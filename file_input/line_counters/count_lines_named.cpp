// Counts the pieces of a file read 255 bytes at a time. The name is the first
// argument; a missing or empty name is refused as an invalid file name.
#include <cstdio>

#include "common/lines.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    const char* name = argc > 1 ? argv[1] : "";
    if (name[0] == '\0') {
        puts("Invalid filename.");
        return 1;
    }
    FILE* in = fopen(name, "r");
    if (!in) {
        puts("Error opening file.");
        return 1;
    }
    int count = 0;
    common::for_each_piece<256>(in, [&](const char*) { count = common::wrap_add(count, 1); });
    fclose(in);
    printf("Number of lines in %s: %d\n", name, count);
    return 0;
}
