// Reads a number from the first line of a file and writes a small report on
// its absolute value to another file.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage(1, "Usage: %s <input_file> <output_file>\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    FILE* out = fopen(argv[2], "w");
    // Without both files there is nothing to report: no message, status 1.
    if (!in || !out) {
        if (in) fclose(in);
        if (out) fclose(out);
        return 1;
    }
    char line[1024] = {};
    if (!fgets(line, sizeof line, in)) line[0] = '\0';
    int v = common::to_int(common::strtol64(line, nullptr, 10));
    long double magnitude = v < 0 ? -static_cast<long double>(v) : static_cast<long double>(v);
    fprintf(out, "Input: %d\n", v);
    fprintf(out, "Output:\n");
    fprintf(out, "llabs(%d) = %Lf\n", v, magnitude);
    fclose(in);
    fclose(out);
    return 0;
}
