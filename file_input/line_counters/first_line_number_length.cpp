// Reads the first piece of a file (99 bytes at most) and reports the number
// it starts with. "--help" and one more argument ask for the usage line; with
// no argument at all there is no file to open.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (argc == 3 && strcmp(argv[1], "--help") == 0) return common::usage(1, "Usage: %s [filename]\n", argv[0]);
    FILE* in = argc > 1 ? fopen(argv[1], "r") : nullptr;
    if (!in) {
        printf("Error: file %s not found.\n", common::arg(argc, argv, 1));
        return 1;
    }
    char buf[100];
    if (!fgets(buf, sizeof buf, in)) buf[0] = '\0';
    int length;
    if (common::sscanf_int(buf, &length) == 1) {
        printf("Input length: %d\n", length);
        fclose(in);
        return 0;
    }
    puts("Error: input string must contain a number.");
    fclose(in);
    return 1;
}
