// Writes its arguments one per line, refusing to run without any.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 1)) {
        printf("Error: Not enough input arguments provided.\n");
        return 1;
    }
    for (int i = 1; i < argc; i++) puts(argv[i]);
    return 0;
}
