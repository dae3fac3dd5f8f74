// Copies its one argument into new storage and converts the copy to an
// integer, printing nothing. It ends with status 1 whether or not the count
// was right.
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s input\n", argv[0]);
    char* copy = strdup(argv[1]);
    if (copy) {
        [[maybe_unused]] int value = common::atoi_int(copy);
        free(copy);
    }
    return 1;
}
