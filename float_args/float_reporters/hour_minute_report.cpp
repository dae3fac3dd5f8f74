// Prints an hour (0 to 23, read as an unsigned 32-bit value) and a minutes
// value as a time of day. The minutes are shown truncated toward zero, and as
// -2147483648 when outside int's range. A missing number counts as 0.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    unsigned int h = static_cast<unsigned int>(common::strtol64(common::arg_or_empty(argc, argv, 1), nullptr, 10));
    if (h > 23) {
        printf("Invalid input. Please enter a valid time in the format HHMM.");
        return 0;
    }
    double m = atof(common::arg_or_empty(argc, argv, 2));
    printf("It's %d:%02d am/pm.\n", static_cast<int>(h), common::trunc_to_int(m));
    return 0;
}
