// Writes its arguments one per line, or asks for one when it has none.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 1)) {
        printf("Please provide an argument!\n");
        return 1;
    }
    for (int i = 1; i < argc; i++) puts(argv[i]);
    return 0;
}
