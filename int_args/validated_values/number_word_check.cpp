// Says whether the first word of its argument (cut to 100 characters; empty
// when the argument holds only white space) is a number.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

static int is_number(const char* text) {
    int value;
    return common::sscanf_int(text, &value) == 1;
}

int main(int argc, char* argv[]) {
    if (argc < 2) return common::usage(1, "Usage: %s <input>\n", argv[0]);
    char word[101] = "";
    sscanf(argv[1], "%100s", word);
    if (is_number(word))
        printf("%s is a number.\n", word);
    else
        printf("%s is not a number.\n", word);
    return 0;
}
