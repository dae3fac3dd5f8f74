// Draws and discards n pseudo-random numbers and reports the whole seconds that
// took.
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Error: incorrect number of arguments");
        return 1;
    }
    // The long value kept as an int: its low 32 bits.
    int n = common::to_int(common::strtol64(argv[1], nullptr, 10));
    srand(static_cast<unsigned>(time(nullptr)));
    time_t start = time(nullptr);
    for (int i = 0; i < n; ++i) rand();
    time_t end = time(nullptr);
    printf("Elapsed time: %lf seconds\n", static_cast<double>(end - start));
    return 0;
}
