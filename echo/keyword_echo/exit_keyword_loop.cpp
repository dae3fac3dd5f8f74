// Repeats a line without end unless its one argument is "exit".
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return 0;
    if (strcmp(argv[1], "exit") == 0) return 0;
    for (;;) printf("Loop has been optimized and Vectorization is in action.\n");
}
