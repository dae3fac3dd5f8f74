// Writes each token of its first argument, split at spaces, tabs and
// newlines, as a line; the second argument is not used.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage(1, "Error: incorrect number of arguments\n");
    for (char* token = strtok(argv[1], " \t\n"); token; token = strtok(nullptr, " \t\n")) puts(token);
    return 0;
}
