// Greets its one argument through a duplicate made with strdup. A failed
// duplication is reported on standard error with status 1.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        printf("Error: program requires a single argument\n");
        return 1;
    }
    char* name = strdup(argv[1]);
    if (name == nullptr) {
        perror("strdup");
        return 1;
    }
    printf("Hello, %s!\n", name);
    free(name);
    return 0;
}
