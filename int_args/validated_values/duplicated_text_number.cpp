// Duplicates its argument and prints the number the copy starts with.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <input-string>\n", argv[0]);
    char* copy = strdup(argv[1]);
    if (!copy) {
        puts("Error: Could not allocate memory for input.");
        return 1;
    }
    printf("%d\n", common::to_int(common::strtol64(copy, nullptr, 10)));
    free(copy);
    return 0;
}
