// Floating-point steps whose result the compiler must not choose.
#pragma once

namespace common {

// a + b, with the NaN that comes back fixed: a when a is a NaN, else b when b
// is one. A compiler may swap the operands of +, and the x86-64 add gives
// back its first NaN operand, so a plain sum of two NaNs of different signs
// prints "nan" in one build and "-nan" in another. inf + -inf still gives the
// processor's default NaN (printed "-nan" on x86-64).
inline double add_in_order(double a, double b) {
    if (a != a) return a;
    if (b != b) return b;
    return a + b;
}

}  // namespace common
