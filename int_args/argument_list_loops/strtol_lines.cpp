// Prints the integer value of each argument on a line of its own, converted
// with strtol and kept to 32 bits. Started with an empty argument vector it
// asks for an argument instead and ends with status 1.
#include <cstdio>
#include <cstdlib>

#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (argc < 1) {
        printf("Enter an argument: ");
        return 1;
    }
    for (int i = 1; i < argc; i++) printf("%d\n", common::to_int(common::strtol64(argv[i], nullptr, 10)));
    return 0;
}
