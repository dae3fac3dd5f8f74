// Adds arguments 2 and 3 for "x86"; for "arm" prints the same sum as a
// character (its low byte).
#include <cstdio>
#include <cstring>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    const char* target = common::arg_or_empty(argc, argv, 1);
    int sum = common::wrap_add(common::atoi_int(common::arg_or_empty(argc, argv, 2)),
                               common::atoi_int(common::arg_or_empty(argc, argv, 3)));
    if (strcmp(target, "x86") == 0)
        printf("%d\n", sum);
    else if (strcmp(target, "arm") == 0)
        printf("%c\n", static_cast<unsigned char>(sum));
    else
        puts("Invalid target architecture. Please provide either 'x86' or 'arm'.");
    return 0;
}
