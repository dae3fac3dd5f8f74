// Reports whether its one argument starts with three digits, then uppercases
// the first characters of the next two arguments. The accepted command line
// has no such arguments, so that step changes nothing and the argument is
// printed as it came.
#include <cctype>
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Error: Expected 1 argument.");
        return 1;
    }
    const char* input = argv[1];
    printf("Input: %s \n", input);
    bool number = true;
    for (int i = 0; i < 3 && number; i++) number = isdigit(static_cast<unsigned char>(input[i])) != 0;
    if (number)
        printf("Number: %d \n", common::to_int(common::strtol64(input, nullptr, 10)));
    else
        puts("Input is not a number.");

    for (int i = 2; i <= 3 && i < argc; i++) {
        unsigned char first = static_cast<unsigned char>(argv[i][0]);
        if (!isalnum(first)) {
            puts("Input is not alphanumeric.");
            return 1;
        }
        argv[i][0] = static_cast<char>(toupper(first));
    }
    printf("Modified Input: %s \n", input);
    return 0;
}
