// Prints the long long integers of a file, one per line, until text that is
// not a number or the end of the file.
#include <cctype>
#include <climits>
#include <cstdio>

#include "common/args.hpp"

// One "%lld" item: white space, an optional sign, every decimal digit, with
// the value held at the limits of long long beyond its range. 1 when a number
// was read, 0 on text that is not one (nothing but a sign consumed), EOF at
// the end of the input.
static int scan_llong(long long& value, FILE* in) {
    int c;
    do c = getc(in);
    while (c != EOF && isspace(c));
    if (c == EOF) return EOF;
    bool negative = false;
    if (c == '+' || c == '-') {
        negative = c == '-';
        c = getc(in);
    }
    if (c == EOF || !isdigit(c)) {
        if (c != EOF) ungetc(c, in);
        return 0;
    }
    constexpr unsigned long long cap = static_cast<unsigned long long>(LLONG_MAX) + 1ULL;
    unsigned long long magnitude = 0;
    while (c != EOF && isdigit(c)) {
        unsigned long long digit = static_cast<unsigned long long>(c - '0');
        magnitude = magnitude > (cap - digit) / 10 ? cap : magnitude * 10 + digit;
        c = getc(in);
    }
    if (c != EOF) ungetc(c, in);
    if (negative)
        value = magnitude >= cap ? LLONG_MIN : -static_cast<long long>(magnitude);
    else
        value = magnitude >= cap ? LLONG_MAX : static_cast<long long>(magnitude);
    return 1;
}

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s filename\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        perror("Could not open file.");
        return 2;
    }
    long long value = 0;
    int result;
    while ((result = scan_llong(value, in)) != 0 && result != EOF) printf("%lld\n", value);
    fclose(in);
    return 0;
}
