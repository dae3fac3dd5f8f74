// Prints the first n-1 characters of argument 2, without a newline; n of 1
// or less prints nothing. The copy is sized by what it holds.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int n = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    const char* text = common::arg_or_empty(argc, argv, 2);
    size_t keep = n <= 1 ? 0 : strnlen(text, static_cast<size_t>(n) - 1);
    char* copy = static_cast<char*>(malloc(keep + 1));
    if (!copy) return 1;
    memcpy(copy, text, keep);
    copy[keep] = '\0';
    printf("%s", copy);
    free(copy);
    return 0;
}
