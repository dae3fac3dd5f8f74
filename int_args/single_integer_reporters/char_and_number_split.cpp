// Splits its one argument into its first character and the integer written
// after it ("a12" gives a and 12). An empty argument has no text after its
// terminator: the character is the NUL byte and the number 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        printf("Error: Please enter two arguments\n");
        return 1;
    }
    const char* text = argv[1];
    const char* rest = text[0] != '\0' ? text + 1 : text;
    printf("Inputs are %c and %d\n", text[0], common::atoi_int(rest));
    return 0;
}
