// Floating-point steps whose result neither the compiler nor the target may
// choose.
#pragma once

namespace common {

// Values rounded to their own type on every target.
//
// The x87 unit of 32-bit x86 (FLT_EVAL_METHOD 2) computes float and double
// expressions in a wider format and keeps the results so in its registers,
// where the compiler may leave them across assignments and conversions: a
// float or double result there need not be the one x86-64 computes. A
// program passes each float or double value whose rounding shows in its
// output through as_float or as_double, which store it to memory, the one
// step that rounds on the x87 (and is the value itself elsewhere). Besides,
// the x87 is set to round every operation to a double's 53 bits before main,
// so that an operation on doubles rounds once, as it does on x86-64, and not
// first to 64 bits and then again to 53 (a float operation rounded to 53 bits
// and then to 24 gives the float result exactly).
#if defined(__i386__) && defined(__FLT_EVAL_METHOD__) && __FLT_EVAL_METHOD__ == 2
inline double as_double(double x) {
    volatile double stored = x;
    return stored;
}
inline float as_float(double x) {
    volatile float stored = static_cast<float>(x);
    return stored;
}
namespace detail {
inline const bool x87_rounds_to_double = [] {
    unsigned short control;
    __asm__ volatile("fnstcw %0" : "=m"(control));
    control = static_cast<unsigned short>((control & ~0x300u) | 0x200u);
    __asm__ volatile("fldcw %0" : : "m"(control));
    return true;
}();
}  // namespace detail
#else
constexpr double as_double(double x) { return x; }
constexpr float as_float(double x) { return static_cast<float>(x); }
#endif

// Arithmetic with the NaN that x86-64 gives. There an operation gives back
// its first NaN operand, and an operation on numbers that has no value (0/0,
// inf - inf, 0 * inf) gives the default NaN, whose sign bit is set and which
// printf shows as "-nan". aarch64, armhf and s390x make a positive default
// NaN, and riscv64 gives its positive canonical NaN for every NaN result, so
// a program whose output can show a NaN computes through these: the result
// of a op b rounded to its type (as_double), or, when it is a NaN, a if a is
// one, else b if b is one, else the negative default NaN.
// A quiet NaN of type T, negative or not.
template <class T> constexpr T quiet_nan(bool negative) {
    return negative ? -static_cast<T>(__builtin_nan("")) : static_cast<T>(__builtin_nan(""));
}
template <class T> constexpr T nan_of(T result, T a, T b) {
    if (result == result) return result;
    if (a != a) return a;
    if (b != b) return b;
    return quiet_nan<T>(true);
}
// (The x86-64 add gives back its first NaN operand, and a compiler may swap
// the operands of +: with add, a sum of two NaNs of different signs prints the
// same in every build.)
inline double add(double a, double b) { return nan_of(as_double(a + b), a, b); }
inline double sub(double a, double b) { return nan_of(as_double(a - b), a, b); }
inline double mul(double a, double b) { return nan_of(as_double(a * b), a, b); }
inline double div(double a, double b) { return nan_of(as_double(a / b), a, b); }

// The same for float operations (each rounded to float), and a conversion to
// float that keeps a NaN's sign, as x86-64 does (riscv64 makes it positive).
inline float addf(float a, float b) { return nan_of(as_float(a + b), a, b); }
inline float subf(float a, float b) { return nan_of(as_float(a - b), a, b); }
inline float mulf(float a, float b) { return nan_of(as_float(a * b), a, b); }
inline float divf(float a, float b) { return nan_of(as_float(a / b), a, b); }
// A float widened to double (as printf's arguments are) keeping a NaN's sign,
// as x86-64 does (riscv64 makes it positive).
inline double widen(float x) {
    if (x != x) return quiet_nan<double>(__builtin_signbit(x));
    return x;
}
inline float to_float(double x) {
    if (x != x) return quiet_nan<float>(__builtin_signbit(x));
    return as_float(x);
}

}  // namespace common
