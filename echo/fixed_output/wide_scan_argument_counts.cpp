// Prints each argument with the number of integers a formatted read finds at
// its start: 1 when it begins with a decimal number, else 0.
#include <cctype>
#include <cstdio>

// What "%d" would convert: optional white space, an optional sign, a digit.
static int leading_number_count(const char* s) {
    while (isspace(static_cast<unsigned char>(*s))) s++;
    if (*s == '+' || *s == '-') s++;
    return isdigit(static_cast<unsigned char>(*s)) ? 1 : 0;
}

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; i++) printf("%s: %d\n", argv[i], leading_number_count(argv[i]));
    return 0;
}
