// Keeps at most 127 bytes of the first argument and, from the third character
// on, gathers digits into a number: after each digit it moves on by 2, or by 3
// when anything after that digit is not a digit. Gathering stops at the end or
// at the first position that does not hold a digit. A missing argument counts
// as an empty text.
#include <cctype>
#include <cstdio>
#include <cstring>

#include "common/args.hpp"
#include "common/fp.hpp"

int main(int argc, char* argv[]) {
    char input[128];
    strncpy(input, common::arg_or_empty(argc, argv, 1), 128);
    input[127] = '\0';
    size_t length = strlen(input);
    double result = 0.0;
    if (length > 2) {
        size_t i = 2;
        while (i < length && isdigit(static_cast<unsigned char>(input[i]))) {
            // Each step is rounded to a double: from 2^53 on the number loses digits.
            result = common::add(common::mul(result, 10), input[i] - '0');
            bool rest_all_digits = true;
            for (size_t j = i + 1; j < length; j++)
                if (!isdigit(static_cast<unsigned char>(input[j]))) rest_all_digits = false;
            i += rest_all_digits ? 2 : 3;
        }
    }
    printf("Input: %s\n", input);
    printf("Result: %.2f\n", result);
    return 0;
}
