// Reads two files side by side, one character of each per step, and at every
// step where both characters are newlines prints the number of earlier steps
// plus 2. Each character is held in a signed char, so the walk stops at the end
// of either file or at a byte 0xFF in either. Both files are needed: a single
// one is refused with the usage line, and a file that cannot be opened is
// reported with perror and status 1.
#include <cstdio>

#include "common/args.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 2)) return common::usage(1, "Usage: %s file1 file2\n", argv[0]);
    FILE* first = fopen(argv[1], "r");
    if (!first) {
        perror(argv[1]);
        return 1;
    }
    FILE* second = fopen(argv[2], "r");
    if (!second) {
        perror(argv[2]);
        fclose(first);
        return 1;
    }
    int step = 0;
    for (;;) {
        signed char a = static_cast<signed char>(fgetc(first));
        signed char b = static_cast<signed char>(fgetc(second));
        if (a == EOF || b == EOF) break;
        if (a == '\n' && b == '\n') printf("Line: %d\n", common::wrap_add(step, 2));
        step = common::wrap_add(step, 1);
    }
    fclose(first);
    fclose(second);
    return 0;
}
