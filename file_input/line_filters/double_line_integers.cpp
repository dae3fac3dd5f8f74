// Prints twice the number at the start of every piece of a file (99 bytes at
// most), in 32-bit arithmetic.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/lines.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s input_file\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        perror("Error opening file");
        return 1;
    }
    common::for_each_piece<100>(in, [](const char* piece) {
        long long value = common::strtol64(piece, nullptr, 10);
        printf("%d\n", common::to_int(common::wrap_mul(value, 2LL)));
    });
    fclose(in);
    return 0;
}
