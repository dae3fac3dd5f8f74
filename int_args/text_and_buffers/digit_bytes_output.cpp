// Stores the int values of the arguments after the size at successive byte
// offsets of a buffer of `size` bytes (each store overlapping the previous
// one), then prints the bytes that have their top bit set, as text.
//
// Stores are cut at the end of the buffer, and bytes that no store reaches
// are 0. Only the first count+3 bytes can be reached by a store, so the
// buffers hold at most that many bytes (and a terminator): a larger size
// prints the same. A size of 0 or less gives empty buffers.
#include <cctype>
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; i++)
        if (!isdigit(static_cast<unsigned char>(argv[i][0]))) {
            printf("Invalid argument: %s\n", argv[i]);
            return 1;
        }
    int size = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    long long count = argc > 2 ? argc - 2 : 0;
    long long reach = count + 3;
    long long used = size < 0 ? 0 : (size < reach ? size : reach);

    unsigned char* stored = static_cast<unsigned char*>(calloc(static_cast<size_t>(used) + 1, 1));
    char* output = static_cast<char*>(calloc(static_cast<size_t>(used) + 1, 1));
    if (!stored || !output) {
        free(stored);
        free(output);
        return 1;
    }
    for (long long k = 0; k < count && k < used; k++) {
        int value = 0;
        common::sscanf_int(argv[k + 2], &value);
        unsigned int bits = static_cast<unsigned int>(value);
        for (long long b = 0; b < 4 && k + b < used; b++) stored[k + b] = static_cast<unsigned char>(bits >> (8 * b));
    }
    for (long long i = 0; i < used; i++) output[i] = (stored[i] & 0x80) ? static_cast<char>(stored[i]) : '\0';
    printf("Output: %s\n", output);
    free(stored);
    free(output);
    return 0;
}
