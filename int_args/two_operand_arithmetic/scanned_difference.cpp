// Takes the first word of each argument (at most 9 characters of it; a longer
// word is cut there) and prints the difference of the two as integers. An
// argument with no word reads as 0.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) {
        puts("Error: Invalid input!");
        return 1;
    }
    char first[10] = "";
    char second[10] = "";
    sscanf(argv[1], "%9s", first);
    sscanf(argv[2], "%9s", second);
    int a = common::to_int(common::strtol64(first, nullptr, 10));
    int b = common::to_int(common::strtol64(second, nullptr, 10));
    printf("Result: %d\n", common::wrap_sub(a, b));
    return 0;
}
