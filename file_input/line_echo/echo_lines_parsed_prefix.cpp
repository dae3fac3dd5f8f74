// Echoes a file with "Parsed line: " before every piece of at most 79 bytes
// and a newline after it. Its messages go to standard error.
#include <cstdio>

#include "common/args.hpp"
#include "common/lines.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage_err(1, "Usage: %s input_file\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        perror("Error opening file");
        return 1;
    }
    common::for_each_piece<80>(in, [](const char* piece) { printf("Parsed line: %s\n", piece); });
    fclose(in);
    return 0;
}
