// Reading integers from a stream the way scanf's "%d" and "%lld" do, but
// defined for every input.
//
// scanf("%d") of a number outside int's range is undefined. scan_int consumes
// exactly what "%d" consumes (leading white space, an optional sign, then every
// decimal digit; the first other byte is pushed back), and gives the value glibc
// stores for it on a 64-bit target: the digits converted as by strtol with base
// 10 (so saturated at the limits of a 64-bit long) and then cut to the low 32
// bits, on every target. In-range numbers read
// exactly as with scanf.
#pragma once

#include <cctype>
#include <climits>
#include <cstdio>

#include "common/wrap.hpp"

namespace common {

namespace detail {

// One decimal item as scanf consumes it (leading white space, an optional
// sign, then every decimal digit; the first other byte is pushed back), its
// value held at the limits of Signed beyond them, as strtol/strtoll give it.
template <class Signed, class Unsigned, Signed min, Signed max>
int scan_decimal(Signed& value, FILE* in) {
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

    // Magnitude, held at one past max once it grows beyond: enough to tell
    // min from an overflow.
    constexpr Unsigned cap = static_cast<Unsigned>(max) + 1U;
    Unsigned magnitude = 0;
    while (c != EOF && isdigit(c)) {
        Unsigned digit = static_cast<Unsigned>(c - '0');
        magnitude = magnitude > (cap - digit) / 10 ? cap : magnitude * 10 + digit;
        c = getc(in);
    }
    if (c != EOF) ungetc(c, in);

    if (negative)
        value = magnitude >= cap ? min : -static_cast<Signed>(magnitude);
    else
        value = magnitude >= cap ? max : static_cast<Signed>(magnitude);
    return 1;
}

}  // namespace detail

// Reads one "%d" item from `in` into `value`. Returns 1 when a number was
// converted, 0 on a matching failure (no digits; `value` is left as it was) and
// EOF when the input ended before anything but white space.
inline int scan_int(int& value, FILE* in = stdin) {
    long long number = 0;
    int result = detail::scan_decimal<long long, unsigned long long, LLONG_MIN, LLONG_MAX>(number, in);
    if (result == 1) value = to_int(number);
    return result;
}

// Reads one "%lld" item the same way: beyond the range of long long the value
// is held at its limits. Returns as scan_int does.
inline int scan_long_long(long long& value, FILE* in = stdin) {
    return detail::scan_decimal<long long, unsigned long long, LLONG_MIN, LLONG_MAX>(value, in);
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
