// Walks its arguments: "-h" and a "-f" that is not the last argument end the
// program with a usage line; a text that is empty, starts with a letter or
// with white space (isspace: space, tab, newline, vertical tab, form feed,
// carriage return), or is longer than 100 characters is refused; every other
// argument gets a sum line with its value (as by atoi) and its position in
// the vector.
#include <cctype>
#include <cstdio>
#include <cstring>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    for (int k = 1; k < argc; k++) {
        const char* input = argv[k];
        if (strcmp(input, "-h") == 0) return common::usage(1, "Usage: %s input_file\n", argv[0]);
        if (strcmp(input, "-f") == 0 && k + 1 < argc)
            return common::usage(1, "Usage: %s input_file -f output_file\n", argv[0]);
        unsigned char first = static_cast<unsigned char>(input[0]);
        if (first == '\0' || isalpha(first) || isspace(first)) return common::usage(1, "Invalid input: %s\n", input);
        if (strlen(input) > 100) return common::usage(1, "Input too long: %s\n", input);
        printf("The sum of %d and %d is %d\n", common::atoi_int(input), k + 1, 0);
    }
    return 0;
}
