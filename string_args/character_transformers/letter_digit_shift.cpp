// Moves each lower-case letter one code up and each digit two codes up, in
// place, and writes the result.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s argument\n", argv[0]);
    for (char* p = argv[1]; *p; p++) {
        if (*p >= 'a' && *p <= 'z') *p = static_cast<char>(*p + 1);
        else if (*p >= '0' && *p <= '9') *p = static_cast<char>(*p + 2);
    }
    puts(argv[1]);
    return 0;
}
