// Shows a prompt that it never reads an answer for, then says whether its first
// integer argument lies from 0 to 255. A missing argument counts as 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    printf("Enter an integer: ");
    int v = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    // As unsigned, every negative value lies above the range.
    if (static_cast<unsigned int>(v) <= 255u)
        puts("Input is between 0 and 255.");
    else
        puts("Invalid input. Input should be an integer between 0 and 255.");
    return 0;
}
