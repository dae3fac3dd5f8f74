// Counts the pieces of a file read 99 bytes at a time and reports the count.
#include <cstdio>

#include "common/args.hpp"
#include "common/lines.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <file>\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Error: file not found.");
        return 1;
    }
    int count = 0;
    common::for_each_piece<100>(in, [&](const char*) { count = common::wrap_add(count, 1); });
    fclose(in);
    printf("Line count: %d\n", count);
    return 0;
}
