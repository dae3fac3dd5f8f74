// Repeats its second argument once per word of the command line when the
// first one is "inlinheuristics".
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (strcmp(common::arg_or_empty(argc, argv, 1), "inlinheuristics") != 0) return 0;
    const char* input = common::arg(argc, argv, 2);
    for (int i = 0; i < argc; i++) printf("Input: %s\n", input);
    return 0;
}
