// Upper-cases its argument in place and prints it next to a copy.
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Please provide a single argument.\n");
    char* input = argv[1];
    size_t length = strlen(input);
    for (size_t i = 0; i < length; i++) input[i] = static_cast<char>(toupper(static_cast<unsigned char>(input[i])));
    char* serialized = static_cast<char*>(malloc(length + 1));
    if (!serialized) return 1;
    memcpy(serialized, input, length + 1);
    printf("Input: %s \n", input);
    printf("Serialized: %s \n", serialized);
    free(serialized);
    return 0;
}
