// Prints the leading decimal digit of an integer as a character. The integer
// comes from the first argument, or from standard input when there is none.
// A negative value has a negative leading digit, which lands below '0'.
#include <cstdio>
#include <cstdlib>

#include "common/input.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int value = 0;
    if (argc < 2) {
        printf("Please enter a valid integer value: ");
        common::scan_int(value);
    } else {
        value = common::to_int(common::strtol64(argv[1], nullptr, 10));
        printf("Input string is: %s\n", argv[1]);
    }

    int digit = 0;  // the value 0 has the leading digit 0
    for (int rest = value; rest != 0; rest /= 10) digit = rest % 10;
    printf("Integer to character conversion: %c\n", '0' + digit);
    return 0;
}
