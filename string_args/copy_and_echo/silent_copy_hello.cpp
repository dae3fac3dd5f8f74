// Copies its one argument into a 128-byte buffer that is never read again and
// prints a fixed greeting. The copy is bounded by the buffer and terminated in
// its last byte, so any argument length is safe.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        printf("Usage: ./program_name string\n");
        return 1;
    }
    char copy[128];
    strncpy(copy, argv[1], sizeof copy);
    copy[sizeof copy - 1] = '\0';
    printf("Hello world!\n");
    return 0;
}
