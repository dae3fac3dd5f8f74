// Writes each argument whose value (any base strtol reads, taken as int) is
// the code of a letter.
#include <cctype>
#include <climits>
#include <cstdio>
#include <cstdlib>

#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; i++) {
        int v = common::to_int(common::strtol64(argv[i], nullptr, 0));
        if (v >= 0 && v <= UCHAR_MAX && isalpha(v)) puts(argv[i]);
    }
    return 0;
}
