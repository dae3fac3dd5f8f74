// Prints the integer its first argument scans as, unless the number written
// is above the largest int. Numbers below the smallest int keep the low 32
// bits that a "%d" scan stores.
#include <climits>
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    const char* text = common::arg_or_empty(argc, argv, 1);
    int value;
    if (common::sscanf_int(text, &value) != 1) return 0;
    if (common::strtol64(text, nullptr, 10) > INT_MAX)
        puts("Error: maximum value limit exceeded");
    else
        printf("%d\n", value);
    return 0;
}
