// Prints its arguments on one line, then the length of the first one.
// Without arguments the length is that of an empty text.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; i++) printf("%s ", argv[i]);
    printf("\n");
    printf("Length of input: %d", static_cast<int>(strlen(common::arg_or_empty(argc, argv, 1))));
    return 0;
}
