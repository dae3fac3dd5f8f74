// Reading integers from a stream the way scanf's "%d" does, but defined for
// every input.
//
// scanf("%d") of a number outside int's range is undefined. scan_int consumes
// exactly what "%d" consumes (leading white space, an optional sign, then every
// decimal digit; the first other byte is pushed back), and gives the value glibc
// stores for it: the digits converted as by strtol with base 10 (so saturated at
// the limits of long) and then cut to the low 32 bits. In-range numbers read
// exactly as with scanf.
#pragma once

#include <cctype>
#include <climits>
#include <cstdio>

#include "common/wrap.hpp"

namespace common {

// Reads one "%d" item from `in` into `value`. Returns 1 when a number was
// converted, 0 on a matching failure (no digits; `value` is left as it was) and
// EOF when the input ended before anything but white space.
inline int scan_int(int& value, FILE* in = stdin) {
    int c;
    do c = getc(in);
    while (c != EOF && isspace(c));
    if (c == EOF) return EOF;

    bool negative = false;
    if (c == '+' || c == '-') {
        negative = c == '-';
        c = getc(in);  // a sign without digits is consumed and lost, as with scanf
    }
    if (c == EOF || !isdigit(c)) {
        if (c != EOF) ungetc(c, in);
        return 0;
    }

    // Magnitude, held at one past LONG_MAX once it grows beyond: enough to
    // tell LONG_MIN from an overflow.
    constexpr unsigned long cap = static_cast<unsigned long>(LONG_MAX) + 1UL;
    unsigned long magnitude = 0;
    while (c != EOF && isdigit(c)) {
        unsigned long digit = static_cast<unsigned long>(c - '0');
        magnitude = magnitude > (cap - digit) / 10 ? cap : magnitude * 10 + digit;
        c = getc(in);
    }
    if (c != EOF) ungetc(c, in);

    long number;
    if (negative)
        number = magnitude >= cap ? LONG_MIN : -static_cast<long>(magnitude);
    else
        number = magnitude >= cap ? LONG_MAX : static_cast<long>(magnitude);
    value = to_int(number);
    return 1;
}

// Matches one ordinary character of a scanf format (such as the "/" of
// "%d/%d/%d"): reads a byte and keeps it only when it is `expected`.
inline bool scan_literal(char expected, FILE* in = stdin) {
    int c = getc(in);
    if (c == EOF) return false;
    if (c != static_cast<unsigned char>(expected)) {
        ungetc(c, in);
        return false;
    }
    return true;
}

}  // namespace common
