// Asks for a number (unused), then for a binary number (also unused) and prints
// the value of the leading binary digits of its argument. The digits build the
// number most significant first in 32 bits, so only the last 32 of them count.
#include <cstdio>
#include <cstdlib>

#include "common/input.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    int number = 0;
    printf("Enter a number: ");
    common::scan_int(number);

    if (argc != 2 || argv[1][0] == '\0') {
        printf("Usage: %s <binary-number>\n", argv[0]);
        return 0;
    }

    printf("Enter a binary number: ");
    char* line = static_cast<char*>(malloc(1024));
    if (line && !fgets(line, 1024, stdin)) line[0] = '\0';

    int value = 0;
    for (const char* p = argv[1]; *p == '0' || *p == '1'; ++p)
        value = common::wrap_add(common::wrap_mul(value, 2), *p - '0');
    printf("Decimal: %d\n", value);

    free(line);
    return 0;
}
