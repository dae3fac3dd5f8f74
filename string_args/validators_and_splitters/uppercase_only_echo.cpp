// Echoes its one argument, without a newline, when it holds no lower-case letter.
#include <cctype>
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s input\n", argv[0]);
    for (const char* p = argv[1]; *p; p++) {
        unsigned char c = static_cast<unsigned char>(*p);
        if (toupper(c) != c) return common::usage(1, "Input must be in uppercase.\n");
    }
    printf("%s", argv[1]);
    return 0;
}
