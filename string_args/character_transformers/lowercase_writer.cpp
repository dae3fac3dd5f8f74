// Writes its argument lower-cased, one character at a time.
#include <cctype>
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage_err(1, "Error: not enough arguments\n");
    for (const char* p = argv[1]; *p; p++) putchar(tolower(static_cast<unsigned char>(*p)));
    return 0;
}
