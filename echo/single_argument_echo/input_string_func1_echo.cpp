// Echoes its first argument through a small routine of its own.
#include <cstdio>

#include "common/args.hpp"

static int func1(const char* text) { return printf("Input string: %s\n", text); }

int main(int argc, char* argv[]) {
    func1(common::arg(argc, argv, 1));
    return 0;
}
