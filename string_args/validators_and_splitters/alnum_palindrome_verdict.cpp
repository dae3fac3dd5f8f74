// Tells whether its first argument is a palindrome made of letters and digits
// only: the run of such characters from the start must cover the whole text,
// and the text must read the same both ways (case counts). The verdict has no
// newline. A missing argument is taken as the empty text, which is a palindrome.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

static const char alnum[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

int main(int argc, char* argv[]) {
    const char* input = common::arg_or_empty(argc, argv, 1);
    size_t length = strlen(input);
    bool palindrome = strspn(input, alnum) == length;
    for (size_t j = 0, half = length / 2; palindrome && j < half; j++)
        palindrome = input[j] == input[length - 1 - j];
    if (!palindrome) {
        printf("Not a palindrome");
        return 1;
    }
    printf("%s is a palindrome", input);
    return 0;
}
