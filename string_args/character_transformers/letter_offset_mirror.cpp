// Writes its argument with each upper-case letter as code 129 minus its code
// and each lower-case letter as 193 minus its code; others pass unchanged.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s input\n", argv[0]);
    char* copy = strdup(argv[1]);
    if (!copy) return 1;
    for (char* p = copy; *p; p++) {
        if (*p >= 'A' && *p <= 'Z') *p = static_cast<char>(129 - *p);
        else if (*p >= 'a' && *p <= 'z') *p = static_cast<char>(193 - *p);
        putchar(*p);
    }
    free(copy);
    return 0;
}
