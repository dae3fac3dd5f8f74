// Says for each integer argument whether it is odd or even.
#include <cstdio>

#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; i++) {
        int v = common::atoi_int(argv[i]);
        if (v % 2 != 0)
            printf("%d is odd\n", v);
        else
            printf("%d is even\n", v);
    }
    return 0;
}
