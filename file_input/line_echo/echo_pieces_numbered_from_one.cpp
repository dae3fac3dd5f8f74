// Echoes a file in pieces of at most 7 bytes, numbered from 1 ("1: ..."); the
// number counts pieces, not lines.
#include <cstdio>

#include "common/args.hpp"
#include "common/lines.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s input_file\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("Error: could not open %s\n", argv[1]);
        return 1;
    }
    int number = 1;
    common::for_each_piece<8>(in, [&number](const char* piece) {
        printf("%d: %s\n", number, piece);
        number = common::wrap_add(number, 1);
    });
    fclose(in);
    return 0;
}
