// Lists the digit-led arguments, checks that argument 2 is printable at every
// position of argument 1 (a shorter argument 2 fails at its end), and prints
// the sum of arguments 1 and 2 in binary: the 32-bit pattern of the wrapped
// sum without leading zeros.
#include <cctype>
#include <cstdio>
#include <cstring>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc && isdigit(static_cast<unsigned char>(argv[i][0])); i++)
        printf("%d ", common::atoi_int(argv[i]));

    const char* first = common::arg_or_empty(argc, argv, 1);
    const char* second = common::arg_or_empty(argc, argv, 2);
    size_t length = strlen(first);
    for (size_t i = 0; i < length; i++) {
        // The walk stops at the terminator of a shorter argument 2.
        if (!isprint(static_cast<unsigned char>(second[i]))) {
            printf("Invalid input. Please enter only printable ASCII characters.");
            return 1;
        }
    }
    if (!common::has_args(argc, 3)) return common::usage(1, "Usage: %s INPUT1 INPUT2 OUTPUT\n", argv[0]);

    unsigned int sum =
        static_cast<unsigned int>(common::wrap_add(common::atoi_int(argv[1]), common::atoi_int(argv[2])));
    char binary[33];
    int at = 32;
    binary[at] = '\0';
    do {
        binary[--at] = static_cast<char>('0' + (sum & 1U));
        sum >>= 1;
    } while (sum != 0);
    printf("The sum is %s in binary format.\n", binary + at);
    return 0;
}
