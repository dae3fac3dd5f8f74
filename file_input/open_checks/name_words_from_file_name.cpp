// Opens the file named by its argument, then splits the name itself at
// spaces and tabs and prints its first two words, once.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char** argv) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <filename>\n", argv[0]);
    FILE* file = fopen(argv[1], "r");
    if (file == nullptr) {
        puts("Error: File not found");
        return 1;
    }
    char* first = strtok(argv[1], " \t");
    char* second = first != nullptr ? strtok(nullptr, " \t") : nullptr;
    if (first == nullptr || second == nullptr) {
        fclose(file);
        return 0;
    }
    if (strlen(first) > 20) {
        puts("Error: Invalid name");
        fclose(file);
        return 1;
    }
    printf("%s, %s\n", first, second);
    fclose(file);
    return 0;
}
