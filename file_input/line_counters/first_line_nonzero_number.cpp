// Converts the number at the start of a file's first piece (99 bytes at most)
// and reports it; zero, or text without a number, is refused.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Error: Please provide one argument");
        return 1;
    }
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("Error: Could not open file %s\n", argv[1]);
        return 1;
    }
    char buf[100];
    if (!fgets(buf, sizeof buf, in) || buf[0] == '\0') {
        puts("Error: No input provided");
        fclose(in);
        return 1;
    }
    int value = common::to_int(common::strtol64(buf, nullptr, 10));
    if (value != 0) {
        printf("Result: %d\n", value);
        fclose(in);
        return 0;
    }
    fputs("Error: Invalid input\n", stderr);
    fclose(in);
    return 1;
}
