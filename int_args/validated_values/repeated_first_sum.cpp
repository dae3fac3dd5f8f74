// Fills one list slot per character of the first argument (at most one per
// argument, at most 102) with its value, and adds up as many slots as there
// are arguments. Slots that were not filled count as 0.
#include <cstdio>

#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    int list[102] = {};
    constexpr int size = 102;
    if (argc > 1) {
        int value = common::atoi_int(argv[1]);
        for (int i = 0; i < argc && i < size && argv[1][i] != '\0'; i++) list[i] = value;
    }
    int sum = 0;
    for (int i = 0; i < argc - 1 && i < size; i++) sum = common::wrap_add(sum, list[i]);
    printf("The sum is: %d\n", sum);
    return 0;
}
