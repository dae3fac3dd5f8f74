// Prints twice argument 1 with argument 2, held through an 8-byte block.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (argc < 2) {
        puts("Please provide at least one argument");
        return 1;
    }
    long long v = common::strtol64(argv[1], nullptr, 10);
    const char** ref = static_cast<const char**>(malloc(sizeof(const char*)));
    if (!ref) return 1;
    *ref = common::arg(argc, argv, 2);
    printf("%d %s\n", common::to_int(common::wrap_mul(v, 2LL)), *ref);
    free(ref);
    return 0;
}
