// Writes its first argument without its first character, followed by the
// terminating zero byte. An empty or missing argument writes nothing.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    const char* input = common::arg_or_empty(argc, argv, 1);
    size_t length = strlen(input);
    for (size_t i = 1; i <= length; i++) putchar(input[i]);
    return 0;
}
