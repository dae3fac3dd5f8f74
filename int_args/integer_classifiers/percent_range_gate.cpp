// Prints its one integer argument when it lies from 0 to 100; any other value
// is refused with status 1.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Usage: ./program NUM");
        return 1;
    }
    int v = common::atoi_int(argv[1]);
    // As unsigned, every negative value lies above the range.
    if (static_cast<unsigned int>(v) > 100u) {
        puts("Invalid input! Please enter a number between 0 and 100.");
        return 1;
    }
    printf("The number is %d.\n", v);
    return 0;
}
