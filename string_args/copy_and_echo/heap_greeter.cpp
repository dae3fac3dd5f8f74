// Greets its first argument through a heap copy of it (length plus one bytes).
// The count is not checked: a missing argument is greeted as "(null)". A
// failed allocation is reported and ends with status 1.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    const char* name = common::arg(argc, argv, 1);
    size_t size = strlen(name) + 1;
    char* copy = static_cast<char*>(malloc(size));
    if (copy == nullptr) {
        printf("Error: insufficient memory\n");
        return 1;
    }
    memcpy(copy, name, size);
    printf("Hello, %s!\n", copy);
    free(copy);
    return 0;
}
