// Says whether its argument is odd or even, then writes the first
// comma-separated token of the invocation name and of the argument.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"
#include "common/intconv.hpp"

// Writes the text up to the first comma after any leading commas, and a
// newline; a word of commas only has no token and gives an empty line. The
// word itself is left as it is.
static void put_first_token(const char* word) {
    const char* start = word + strspn(word, ",");
    size_t len = strcspn(start, ",");
    fwrite(start, 1, len, stdout);
    putchar('\n');
}

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Invalid number of arguments");
        return 1;
    }
    int n = common::atoi_int(argv[1]);
    if (n & 1)
        printf("%d is odd\n", n);
    else
        printf("%d is even\n", n);
    put_first_token(argv[0]);
    put_first_token(argv[1]);
    return 0;
}
