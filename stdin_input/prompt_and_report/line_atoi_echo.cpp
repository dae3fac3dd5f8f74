// Reads a line of up to 99 characters and prints the integer it starts with;
// fails when there is no input at all.
#include <cstdio>
#include <cstdlib>

#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main() {
    printf("Enter a number: ");
    char line[100];
    if (!fgets(line, sizeof line, stdin)) return 1;
    printf("Input: %d\n", common::to_int(common::strtol64(line, nullptr, 10)));
    return 0;
}
