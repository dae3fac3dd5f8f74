// Opens the file named by its argument in binary mode and reports a failure
// with the system's reason.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char** argv) {
    if (!common::has_args(argc, 1)) return common::usage_err(1, "Usage: %s <input-file>\n", argv[0]);
    FILE* file = fopen(argv[1], "rb");
    if (file == nullptr) {
        perror("Error opening file");
        return 1;
    }
    fclose(file);
    return 0;
}
