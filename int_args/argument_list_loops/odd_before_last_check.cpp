// Says whether any integer argument before the last one is a positive odd
// number (leaves remainder 1 when divided by 2). The last argument is never
// looked at, so fewer than two arguments always give "no".
#include <cstdio>

#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    bool odd = false;
    for (int i = 1; i < argc - 1; i++)
        if (common::atoi_int(argv[i]) % 2 == 1) odd = true;
    printf("Is the input odd? %s\n", odd ? "yes" : "no");
    return 0;
}
