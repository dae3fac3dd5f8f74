// Checks only that it was given at least one argument.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char*[]) {
    if (!common::has_at_least(argc, 1)) {
        printf("Please provide at least one argument\n");
        return 1;
    }
    return 0;
}
