// Writes every word of the command line, the invocation name first, on a line
// of its own; refuses fewer than five arguments.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 5))
        return common::usage(1, "Invalid input. Program requires at least %d arguments.\n", 5);
    for (int i = 0; i < argc; i++) puts(argv[i]);
    return 0;
}
