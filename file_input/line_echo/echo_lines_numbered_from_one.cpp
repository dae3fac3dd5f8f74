// Echoes a file in pieces of at most 99 bytes, numbered from 1 ("Line 1:
// ..."); the number counts pieces, not lines. A file that cannot be opened
// ends it with status 2.
#include <cstdio>

#include "common/args.hpp"
#include "common/lines.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s input_file\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Error: cannot open file");
        return 2;
    }
    int number = 1;
    common::for_each_piece<100>(in, [&number](const char* piece) {
        printf("Line %d: %s\n", number, piece);
        number = common::wrap_add(number, 1);
    });
    fclose(in);
    return 0;
}
