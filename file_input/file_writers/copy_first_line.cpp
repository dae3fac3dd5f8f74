// Writes the first line of a file (up to 1023 bytes) to another file with
// "%s\n"; an empty input gives a file holding one newline.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 2)) return common::usage(1, "Usage: %s <input_file> <output_file>\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("Error: cannot open %s\n", argv[1]);
        return 1;
    }
    FILE* out = fopen(argv[2], "w");
    if (!out) {
        printf("Error: cannot open %s\n", argv[2]);
        fclose(in);
        return 1;
    }
    char line[1024] = {};
    if (!fgets(line, sizeof line, in)) line[0] = '\0';
    fprintf(out, "%s\n", line);
    fclose(in);
    fclose(out);
    return 0;
}
