// Reports the length of the argument's leading run of vowels, plus one.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <string>\n", argv[0]);
    int count = static_cast<int>(strspn(argv[1], "aeiouAEIOU")) + 1;
    printf("The input string \"%s\" contains %d characters.\n", argv[1], count);
    return 0;
}
