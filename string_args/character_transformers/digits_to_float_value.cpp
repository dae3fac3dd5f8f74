// Reads the digits of its argument, skipping everything else, as one decimal
// number held in a double.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"
#include "common/fp.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <input>\n", argv[0]);
    char* copy = strdup(argv[1]);
    if (!copy) return 1;
    double value = 0.0;
    // Each step is rounded to a double: from 2^53 on the value loses digits.
    for (const char* p = copy; *p; p++)
        if (*p >= '0' && *p <= '9') value = common::add(common::mul(value, 10), *p - '0');
    printf("Maximum floating point number: %f\n", value);
    free(copy);
    return 0;
}
