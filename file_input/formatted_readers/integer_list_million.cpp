// Reads up to 1,000,000 integers from a file, until the end of the file or
// text that is not a number, and prints them after "%d " each. A file with
// more numbers than that is refused.
#include <cstdio>

#include "common/args.hpp"
#include "common/input.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s input_file\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("Error: cannot open %s for reading\n", argv[1]);
        return 1;
    }
    constexpr int max_values = 1000000;
    static int values[max_values + 1];
    int count = 0;
    while (common::scan_int(values[count], in) == 1) {
        count++;
        if (count > max_values) {
            puts("Error: input file too large");
            fclose(in);
            return 1;
        }
    }
    fclose(in);
    for (int i = 0; i < count; i++) printf("%d ", values[i]);
    return 0;
}
