// Reads an integer, adds 1 to it and steps back one character so that the
// number's last digit is read again as the next number. The loop ends at the
// first text that is not a number, and when a read ends where the one before
// it ended: from then on the same digit would be read again and again, so
// the value printed is the one that repetition holds (the last digit plus 1).
// The file is left to be closed at exit.
#include <cstdio>

#include "common/args.hpp"
#include "common/input.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s filename\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Error: file not found");
        return 1;
    }
    int value = 0;
    long long last_end = -1;
    while (common::scan_int(value, in) == 1) {
        value = common::wrap_add(value, 1);
        long long at = ftell(in);
        if (at < 0 || at <= last_end) break;
        last_end = at;
        if (at != 0) fseek(in, -1, SEEK_CUR);
    }
    printf("%d\n", value);
    return 0;
}
