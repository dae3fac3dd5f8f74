// Copies its first argument into a 256-byte buffer and prints the copy and its
// length. A longer argument is cut to its first 255 bytes.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"
#include "common/copy.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 1)) {
        printf("Usage: ./program <string>\n");
        return -1;
    }
    char input[256];
    common::copy_bounded(input, argv[1]);
    printf("Input: %s\n", input);
    printf("Length: %d\n", static_cast<int>(strlen(input)));
    return 0;
}
