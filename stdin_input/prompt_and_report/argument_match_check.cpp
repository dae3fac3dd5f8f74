// Reads a number and says whether the first argument, taken as an integer,
// equals it. A number that cannot be read is 0; a missing argument counts as 0
// and shows as "(null)".
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/input.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    printf("Enter the number:");
    int v = 0;
    common::scan_int(v);

    const char* text = common::arg(argc, argv, 1);
    if (common::to_int(common::strtol64(common::arg_or_empty(argc, argv, 1), nullptr, 10)) == v)
        printf("%s is a valid input number.", text);
    else
        printf("%s is not a valid input number. Please enter an integer.", text);
    return 0;
}
