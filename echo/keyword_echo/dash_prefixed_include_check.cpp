// Passes over lone "-" arguments and reports a missing include, named by the
// word after it, at the first other argument.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; i++) {
        if (strcmp(argv[i], "-") == 0) continue;
        printf("Missing include: %s\n", common::arg(argc, argv, i + 1));
        return -1;
    }
    return 0;
}
