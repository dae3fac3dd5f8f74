// Answers three keywords, each a whole line of at most 99 bytes (so only a
// last line without a newline can match). The sign of the answer comes from a
// second argument, which the one-argument rule never lets through: it counts
// as empty, so the answer is always -1.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/lines.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s input_file\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        perror("Error opening file");
        return 1;
    }
    const int value = common::atoi_int(common::arg_or_empty(argc, argv, 2)) != 0 ? 1 : -1;
    common::for_each_piece<100>(in, [&](const char* piece) {
        if (strcmp(piece, "Input") == 0)
            printf("x is %d\n", value);
        else if (strcmp(piece, "Profile-Guided Instrumentation") == 0)
            printf("y is %d\n", value);
        else if (strcmp(piece, "Middle-End") == 0)
            printf("z is %d\n", value);
        else
            puts("Invalid input.");
    });
    // The stream is left to the end of the process.
    return 0;
}
