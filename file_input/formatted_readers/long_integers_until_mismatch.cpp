// Prints the long long integers of a file, one per line, until text that is
// not a number or the end of the file; numbers beyond long long's range are
// held at its limits.
#include <cstdio>

#include "common/args.hpp"
#include "common/input.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s filename\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        perror("Could not open file.");
        return 2;
    }
    long long value = 0;
    int result;
    while ((result = common::scan_long_long(value, in)) != 0 && result != EOF) printf("%lld\n", value);
    fclose(in);
    return 0;
}
