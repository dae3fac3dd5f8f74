// Converts every argument into an allocated list and prints it with its index.
#include <cstdio>
#include <cstdlib>

#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int count = argc - 1;
    if (count <= 0) return 0;
    int* values = static_cast<int*>(malloc(sizeof(int) * static_cast<size_t>(count)));
    if (!values) return 1;
    for (int i = 0; i < count; i++) values[i] = common::atoi_int(argv[i + 1]);
    for (int i = 0; i < count; i++) printf("Value %d: %d\n", i, values[i]);
    free(values);
    return 0;
}
