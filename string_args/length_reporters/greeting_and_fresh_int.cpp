// Greets its first argument, then prints the int held by a freshly allocated
// block, which starts cleared.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    printf("Hello, %s!\n", common::arg(argc, argv, 1));
    int* value = static_cast<int*>(calloc(1, sizeof(int)));
    printf("%d\n", value != nullptr ? *value : 0);
    free(value);
    return 0;
}
