// Prints the hexadecimal character codes of a string of digits.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Please provide only one argument.");
    const char* input = argv[1];
    size_t length = strlen(input);
    for (size_t i = 0; i < length; i++) {
        if (input[i] < '0' || input[i] > '9') {
            printf("Invalid input. Please enter only digits.\n");
            return 1;
        }
    }
    // Each digit's code is 0x30 to 0x39: two characters.
    size_t size = 2 * length + 1;
    char* hex = static_cast<char*>(malloc(size));
    if (!hex) return 1;
    hex[0] = '\0';
    for (size_t i = 0; i < length; i++) snprintf(hex + 2 * i, size - 2 * i, "%x", static_cast<unsigned>(input[i]));
    printf("The hexadecimal representation of the input is: %s\n", hex);
    free(hex);
    return 0;
}
