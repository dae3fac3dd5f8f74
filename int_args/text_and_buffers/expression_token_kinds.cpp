// Names the kind of every character of an expression: letters, numbers (read
// from that position on), the variable sign '$', and anything else.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <expression>\n", argv[0]);
    const char* expr = argv[1];
    for (int i = 0; expr[i] != '\0'; i++) {
        char c = expr[i];
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
            printf("Character: %c\n", c);
        else if (c >= '0' && c <= '9')
            printf("Number: %d\n", common::to_int(common::strtol64(expr + i, nullptr, 10)));
        else if (c == '$')
            printf("Variable: %s\n", expr);
        else
            printf("Invalid character: %c\n", c);
    }
    return 0;
}
