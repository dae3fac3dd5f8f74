// Echoes a file in pieces of at most 7 bytes, numbered from 0 ("Line 0:
// ..."); the number counts pieces, not lines. Arguments after the file name
// are ignored.
#include <cstdio>

#include "common/args.hpp"
#include "common/lines.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 1)) return common::usage(1, "Usage: %s input_file\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("Error opening file %s\n", argv[1]);
        return 1;
    }
    int number = 0;
    common::for_each_piece<8>(in, [&number](const char* piece) {
        printf("Line %d: %s\n", number, piece);
        number = common::wrap_add(number, 1);
    });
    fclose(in);
    return 0;
}
