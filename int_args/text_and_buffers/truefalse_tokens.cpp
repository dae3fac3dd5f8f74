// Refuses 1 and -1; otherwise splits its argument at the letters of "truefalse"
// and writes each piece with its first character in upper case.
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage_err(1, "Usage: %s input\n", argv[0]);
    char* copy = strdup(argv[1]);
    if (!copy) return 1;
    long long value = common::strtol64(copy, nullptr, 0);
    if (value == 1 || value == -1) {
        fprintf(stderr, "Invalid input: %s. Please enter true or false.\n", copy);
        free(copy);
        return 2;
    }
    for (char* token = strtok(argv[1], "truefalse"); token; token = strtok(nullptr, "truefalse")) {
        token[0] = static_cast<char>(toupper(static_cast<unsigned char>(token[0])));
        puts(token);
    }
    free(copy);
    return 0;
}
