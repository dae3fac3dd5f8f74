// Checks that its one argument is all digits. The walk for values above 3
// compares the argument's characters with those of a second text that the
// accepted command line never has: that text is empty, so the walk ends at
// its first position and prints nothing.
#include <cctype>
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s input\n", argv[0]);
    for (const char* p = argv[1]; *p; p++)
        if (!isdigit(static_cast<unsigned char>(*p))) {
            puts("Invalid input. Please enter a valid integer.");
            return 1;
        }
    int n = common::atoi_int(argv[1]);
    if (n <= 3) return 0;
    const char* other = common::arg_or_empty(argc, argv, 2);
    for (int i = 0; i < n && argv[1][i] != '\0' && other[i] != '\0'; i++)
        if (argv[1][i] != other[i]) break;
    return 0;
}
