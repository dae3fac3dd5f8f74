// Two's-complement wrapping arithmetic without signed overflow.
//
// Each operation is done in the unsigned type of the same width and converted
// back, which C++20 defines as wrapping. They work for int (32 bits), long and
// long long (64 bits); mixing types is a compile error, so convert first.
#pragma once

#include <climits>

namespace common {

template <class T> struct unsigned_of;
template <> struct unsigned_of<int> { using type = unsigned int; };
template <> struct unsigned_of<long> { using type = unsigned long; };
template <> struct unsigned_of<long long> { using type = unsigned long long; };
template <class T> using unsigned_t = typename unsigned_of<T>::type;

template <class T> constexpr T wrap_add(T a, T b) {
    return static_cast<T>(static_cast<unsigned_t<T>>(a) + static_cast<unsigned_t<T>>(b));
}
template <class T> constexpr T wrap_sub(T a, T b) {
    return static_cast<T>(static_cast<unsigned_t<T>>(a) - static_cast<unsigned_t<T>>(b));
}
template <class T> constexpr T wrap_mul(T a, T b) {
    return static_cast<T>(static_cast<unsigned_t<T>>(a) * static_cast<unsigned_t<T>>(b));
}
template <class T> constexpr T wrap_neg(T a) {
    return static_cast<T>(unsigned_t<T>{0} - static_cast<unsigned_t<T>>(a));
}
// |a|, with the most negative value giving itself, as in two's complement.
template <class T> constexpr T wrap_abs(T a) { return a < 0 ? wrap_neg(a) : a; }

// a / b and a % b for b != 0 (the caller tests b == 0 where it must); the one
// quotient that overflows, MIN / -1, wraps to MIN and its remainder is 0.
template <class T> constexpr T wrap_div(T a, T b) { return b == -1 ? wrap_neg(a) : a / b; }
template <class T> constexpr T wrap_rem(T a, T b) { return b == -1 ? 0 : a % b; }

// a << n on the bit pattern; the count is taken modulo the width, as the
// x86-64 shift instructions take it.
template <class T> constexpr T wrap_shl(T a, int n) {
    return static_cast<T>(static_cast<unsigned_t<T>>(a) << (static_cast<unsigned>(n) % (sizeof(T) * CHAR_BIT)));
}
// a >> n (arithmetic for negative a), the count taken modulo the width.
template <class T> constexpr T wrap_shr(T a, int n) {
    return static_cast<T>(a >> (static_cast<unsigned>(n) % (sizeof(T) * CHAR_BIT)));
}

// The low 32 bits of a wider value, as an int.
constexpr int to_int(long long v) { return static_cast<int>(static_cast<unsigned int>(static_cast<unsigned long long>(v))); }
constexpr int to_int(long v) { return to_int(static_cast<long long>(v)); }
constexpr int to_int(unsigned long long v) { return static_cast<int>(static_cast<unsigned int>(v)); }
constexpr int to_int(unsigned long v) { return to_int(static_cast<unsigned long long>(v)); }
constexpr int to_int(unsigned int v) { return static_cast<int>(v); }

// Truncation of a floating-point value toward zero into an int, defined for
// every input: NaN and values outside int's range give INT_MIN, the value the
// x86-64 conversion instruction produces for them.
constexpr int trunc_to_int(double d) {
    return (d > -2147483649.0 && d < 2147483648.0) ? static_cast<int>(d) : INT_MIN;
}
// The same into a long long (LLONG_MIN for NaN and out-of-range values).
constexpr long long trunc_to_llong(double d) {
    return (d >= -9223372036854775808.0 && d < 9223372036854775808.0) ? static_cast<long long>(d) : LLONG_MIN;
}
constexpr long trunc_to_long(double d) { return static_cast<long>(trunc_to_llong(d)); }

}  // namespace common
