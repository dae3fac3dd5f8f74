// Reads the number of integers given by the first argument (at most 1000)
// from input.txt and prints them one per line, last first; numbers the file
// does not have are 0. The file is left to be closed at exit.
#include <cstdio>

#include "common/args.hpp"
#include "common/input.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    FILE* in = fopen("input.txt", "r");
    if (!in) {
        perror("Input file not found");
        return 1;
    }
    if (!common::has_at_least(argc, 1)) return common::usage_err(1, "Usage: %s <count>\n", argv[0]);
    int count = common::atoi_int(argv[1]);
    if (static_cast<unsigned>(count) > 1000u) {
        perror("Invalid number of integers");
        return 2;
    }
    static int values[1000];
    for (int i = 0; i < count; i++) common::scan_int(values[i], in);
    for (int i = count - 1; i >= 0; i--) printf("%d\n", values[i]);
    return 0;
}
