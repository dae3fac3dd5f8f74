// Numbers a grid of rows by cols cells row by row; every row is followed by
// an empty line.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage(1, "Usage: %s input1 input2\n", argv[0]);
    int rows = common::atoi_int(argv[1]);
    int cols = common::atoi_int(argv[2]);
    for (int i = 0; i < rows; i++) {
        for (int j = 0; j < cols; j++) printf("%d ", common::wrap_add(common::wrap_mul(i, cols), j));
        puts("\n");
    }
    return 0;
}
