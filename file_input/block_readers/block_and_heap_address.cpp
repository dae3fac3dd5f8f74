// Reads up to 1024 bytes of a file, then prints them with the address of a
// one-byte heap block holding 0xEF. The address differs from run to run.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage(1, "Usage: %s INPUT_FILE", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("Error: could not open file %s\n", argv[1]);
        return 1;
    }
    char block[1024 + 1];
    size_t n = fread(block, 1, 1024, in);
    block[n] = '\0';
    fclose(in);
    unsigned char* byte = static_cast<unsigned char*>(malloc(1));
    if (!byte) {
        perror("Error allocating memory");
        return 1;
    }
    *byte = 0xEF;
    printf("Input: %s\nAddress: 0x%llX\n", block, static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(byte)));
    free(byte);
    return 0;
}
