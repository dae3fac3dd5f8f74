// Echoes its argument in quotes and adds a line when it is "BASH".
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s input\n", argv[0]);
    printf("The input is '%s'\n", argv[1]);
    if (strlen(argv[1]) > 1 && strcmp(argv[1], "BASH") == 0) puts("The input is BASH");
    return 0;
}
