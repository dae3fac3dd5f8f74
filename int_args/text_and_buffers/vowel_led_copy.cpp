// Copies at most n characters of argument 2, and a second time when the copy
// starts with a lowercase vowel. The optimized string is that second copy,
// empty when the text does not start with a vowel; n below 0 counts as 0.
// Both copies hold at most n characters, so they are sized by what is copied.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"
#include "common/copy.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int n = common::to_int(common::strtol64(common::arg_or_empty(argc, argv, 1), nullptr, 10));
    const char* text = common::arg_or_empty(argc, argv, 2);
    size_t limit = n < 0 ? 0 : static_cast<size_t>(n);
    size_t size = strnlen(text, limit) + 1;

    char* copy = static_cast<char*>(malloc(size));
    char* optimized = static_cast<char*>(calloc(size, 1));
    if (!copy || !optimized) {
        free(copy);
        free(optimized);
        return 1;
    }
    common::copy_bounded(copy, size, text);
    printf("Original string: %s\n", copy);
    if (strchr("aeiou", copy[0]) && copy[0] != '\0') common::copy_bounded(optimized, size, copy);
    printf("Optimized string: %s\n", optimized);
    printf("Input string: %s\n", text);
    free(copy);
    free(optimized);
    return 0;
}
