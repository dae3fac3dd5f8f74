// Measures a file by moving to its end and prints its length in bytes.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s file_name\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("Error: %s not found.\n", argv[1]);
        return 1;
    }
    fseek(in, 0, SEEK_END);
    long long size = ftell(in);
    rewind(in);
    fclose(in);
    printf("File %s has a length of %lld\n", argv[1], size);
    return 0;
}
