// Opens the file named by its argument, then prints the name's value as a
// number plus a second addend. With only one argument allowed, the second
// addend is 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char** argv) {
    if (!common::has_args(argc, 1)) return common::usage_err(1, "Usage: %s input_file\n", argv[0]);
    FILE* file = fopen(argv[1], "r");
    if (file == nullptr) {
        perror("Error opening file.");
        return 2;
    }
    const int addend = 0;
    printf("Sum: %d\n", common::wrap_add(common::atoi_int(argv[1]), addend));
    fclose(file);
    return 0;
}
