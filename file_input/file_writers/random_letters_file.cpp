// Writes n characters from the C library's unseeded rand() to the file whose
// name is n: every fifth is a newline, the others are letters (and, for
// negative draws, the characters from 'H' up to '`').
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s filename\n", argv[0]);
    int n = common::to_int(common::strtol64(argv[1], nullptr, 10));
    FILE* out = fopen(argv[1], "w");
    if (!out) {
        puts("Unable to open file.");
        return 1;
    }
    for (int i = 0; i < n; i++) {
        if ((i + 1) % 5 == 0) {
            fputc('\n', out);
            continue;
        }
        signed char draw = static_cast<signed char>(rand() & 0xFF);
        fputc(draw % 26 + 97, out);
    }
    fclose(out);
    return 0;
}
