// Conversions of argument text to int with a defined result for every text:
// no digits, a sign, trailing letters, leading white space, values far beyond
// int's range.
#pragma once

#include <cctype>
#include <cstdio>
#include <cstdlib>

#include "common/wrap.hpp"

namespace common {

// strtol with the range of a 64-bit long on every target: the value, the end
// pointer and the saturation at the 64-bit limits that x86-64 Linux gives,
// also where long has 32 bits.
inline long long strtol64(const char* s, char** end, int base) { return strtoll(s, end, base); }

// strtoul likewise: the range of a 64-bit unsigned long ("-1" gives 2^64-1).
inline unsigned long long strtoul64(const char* s, char** end, int base) { return strtoull(s, end, base); }

// atol likewise: strtol64 with base 10 and no end pointer.
inline long long atol64(const char* s) { return strtoll(s, nullptr, 10); }

// atoi. The C library computes it as (int) strtol(s, NULL, 10): a value beyond
// int's range keeps the low 32 bits of strtol's result, itself held at
// LONG_MIN / LONG_MAX past long's range. The same without an out-of-range
// conversion.
inline int atoi_int(const char* s) { return to_int(strtol64(s, nullptr, 10)); }

// sscanf(s, "%d", value): 1 when s holds, after optional white space, an
// optional sign and at least one decimal digit; the value is then strtol's
// result cut to its low 32 bits, as the C library stores it. 0 when the text
// has no number where one should start, EOF when nothing but white space is
// left; in both cases *value is left as it was.
inline int sscanf_int(const char* s, int* value) {
    while (isspace(static_cast<unsigned char>(*s))) s++;
    if (*s == '\0') return EOF;
    char* end;
    long long v = strtol64(s, &end, 10);
    if (end == s) return 0;
    *value = to_int(v);
    return 1;
}

}  // namespace common
