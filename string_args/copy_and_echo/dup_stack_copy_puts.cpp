// Duplicates its one argument with strdup, copies the duplicate's characters
// into a buffer on the stack, releases the duplicate and writes the stack copy
// as a line. The stack buffer is fixed at 128 KiB, the most one argument can
// hold on Linux; a longer text would be cut to fit. A failed duplication is
// reported on standard error with status 1.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"
#include "common/copy.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s name\n", argv[0]);
    char* name = strdup(argv[1]);
    if (name == nullptr) {
        perror("strdup");
        return 1;
    }
    char copy[128 * 1024];
    common::copy_bounded(copy, name);
    free(name);
    puts(copy);
    return 0;
}
