// Takes 48 from every byte of its argument, so that each digit becomes the
// byte of its value (a "0" becomes a NUL and ends the printed text), and
// prints the changed text and the decimal number that its digit bytes spell.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Error: program requires one argument\n");
    char* text = argv[1];
    size_t length = strlen(text);
    for (size_t i = 0; i < length; i++)
        text[i] = static_cast<char>(static_cast<unsigned char>(text[i]) - 48);
    printf("Input: %s\n", text);
    // Bytes that now hold 0 to 9 were digits: they are read left to right as
    // a decimal number in 32-bit arithmetic; every other byte is passed over.
    int decimal = 0;
    for (size_t i = 0; i < length; i++) {
        if (static_cast<signed char>(text[i]) >= 0 && text[i] <= 9)
            decimal = common::wrap_add(common::wrap_mul(decimal, 10), static_cast<int>(text[i]));
    }
    printf("Decimal: %d\n", decimal);
    return 0;
}
