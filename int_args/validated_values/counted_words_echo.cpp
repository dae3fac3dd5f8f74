// Takes a count and writes that many of the words after it, as far as there
// are words on the command line.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int n;
    if (!common::has_args(argc, 1) || common::sscanf_int(argv[1], &n) != 1)
        return common::usage_err(1, "Usage: %s <input> [input2] ... [inputN], where N is the number of inputs.\n",
                                 argv[0]);
    if (n <= 0) return 0;
    for (int i = 0; i < n && i + 2 < argc; i++) puts(argv[i + 2]);
    return 0;
}
