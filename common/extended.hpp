// Numbers in the x87's extended format (a 64-bit significand), the long
// double of x86-64 and i686, worked in integer arithmetic: aarch64, riscv64
// and s390x have a 128-bit long double and armhf a plain double, so a long
// double there rounds elsewhere and prints other digits. With these, every
// target computes and prints what x86-64 does.
//
// Products and sums of long long and double values are exact here up to the
// one rounding of each step (to nearest, ties to even, as the x87 rounds):
// they stay far inside the x87's range, between 2^-1100 and 2^1100 in
// magnitude, and that is the range fixed_text prints.
#pragma once

#include <cstddef>
#include <cstdint>

namespace common {

struct Extended {
    enum Kind : unsigned char { zero, finite, infinite, nan };
    Kind kind = zero;
    bool negative = false;
    uint64_t significand = 0;  // finite: bit 63 set
    int exponent = 0;          // finite: the value is significand * 2^exponent
};

namespace detail {

// The 128-bit product of a and b, from 32-bit halves (32-bit targets have no
// 128-bit type).
constexpr void multiply_64(uint64_t a, uint64_t b, uint64_t& high, uint64_t& low) {
    const uint64_t a0 = a & 0xffffffffu, a1 = a >> 32, b0 = b & 0xffffffffu, b1 = b >> 32;
    const uint64_t p00 = a0 * b0, p01 = a0 * b1, p10 = a1 * b0, p11 = a1 * b1;
    const uint64_t middle = (p00 >> 32) + (p01 & 0xffffffffu) + (p10 & 0xffffffffu);
    low = (middle << 32) | (p00 & 0xffffffffu);
    high = p11 + (p01 >> 32) + (p10 >> 32) + (middle >> 32);
}

// The value (high:low + a nonzero fraction when `sticky`) * 2^exponent, not
// zero, rounded to a 64-bit significand, to nearest with ties to even.
constexpr Extended rounded(bool negative, uint64_t high, uint64_t low, bool sticky, int exponent) {
    if (high == 0) {
        high = low;
        low = 0;
        exponent -= 64;
    }
    const int shift = __builtin_clzll(high);
    if (shift != 0) {
        high = (high << shift) | (low >> (64 - shift));
        low <<= shift;
        exponent -= shift;
    }
    const bool half = (low >> 63) != 0;
    const bool beyond_half = (low << 1) != 0 || sticky;
    if (half && (beyond_half || (high & 1) != 0)) {
        if (++high == 0) {
            high = uint64_t{1} << 63;
            exponent += 1;
        }
    }
    return Extended{Extended::finite, negative, high, exponent + 64};
}

constexpr Extended default_nan() { return Extended{Extended::nan, true, 0, 0}; }

}  // namespace detail

// A long long, exactly.
constexpr Extended extended_of(long long value) {
    if (value == 0) return Extended{};
    const bool negative = value < 0;
    const uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    return detail::rounded(negative, 0, magnitude, false, 0);
}

// A double, exactly (from its IEEE bits).
constexpr Extended extended_of(double value) {
    const uint64_t bits = __builtin_bit_cast(uint64_t, value);
    const bool negative = (bits >> 63) != 0;
    const int biased = static_cast<int>((bits >> 52) & 0x7ff);
    const uint64_t fraction = bits & ((uint64_t{1} << 52) - 1);
    if (biased == 0x7ff) return Extended{fraction != 0 ? Extended::nan : Extended::infinite, negative, 0, 0};
    if (biased == 0 && fraction == 0) return Extended{Extended::zero, negative, 0, 0};
    if (biased == 0) return detail::rounded(negative, 0, fraction, false, -1074);
    return detail::rounded(negative, 0, fraction | (uint64_t{1} << 52), false, biased - 1075);
}

// a * b rounded as the x87 rounds it; a NaN operand gives itself (a when both
// are), and zero times infinity the x87's default NaN, which is negative.
constexpr Extended mul(Extended a, Extended b) {
    const bool negative = a.negative != b.negative;
    if (a.kind == Extended::nan) return a;
    if (b.kind == Extended::nan) return b;
    if (a.kind == Extended::infinite || b.kind == Extended::infinite) {
        if (a.kind == Extended::zero || b.kind == Extended::zero) return detail::default_nan();
        return Extended{Extended::infinite, negative, 0, 0};
    }
    if (a.kind == Extended::zero || b.kind == Extended::zero) return Extended{Extended::zero, negative, 0, 0};
    uint64_t high = 0, low = 0;
    detail::multiply_64(a.significand, b.significand, high, low);
    return detail::rounded(negative, high, low, false, a.exponent + b.exponent);
}

// a + b rounded as the x87 rounds it; an exact zero sum is +0 unless both
// operands are -0.
constexpr Extended add(Extended a, Extended b) {
    if (a.kind == Extended::nan) return a;
    if (b.kind == Extended::nan) return b;
    if (a.kind == Extended::infinite && b.kind == Extended::infinite && a.negative != b.negative)
        return detail::default_nan();
    if (a.kind == Extended::infinite) return a;
    if (b.kind == Extended::infinite) return b;
    if (a.kind == Extended::zero && b.kind == Extended::zero)
        return Extended{Extended::zero, a.negative && b.negative, 0, 0};
    if (a.kind == Extended::zero) return b;
    if (b.kind == Extended::zero) return a;
    // a is the larger in magnitude; b is lined up below it in 128 bits, with
    // `sticky` for bits of b that fall beyond them.
    if (b.exponent > a.exponent || (b.exponent == a.exponent && b.significand > a.significand)) {
        const Extended larger = b;
        b = a;
        a = larger;
    }
    const int distance = a.exponent - b.exponent;
    uint64_t b_high = 0, b_low = 0;
    bool sticky = false;
    if (distance == 0) {
        b_high = b.significand;
    } else if (distance < 64) {
        b_high = b.significand >> distance;
        b_low = b.significand << (64 - distance);
    } else if (distance == 64) {
        b_low = b.significand;
    } else if (distance < 128) {
        b_low = b.significand >> (distance - 64);
        sticky = (b.significand << (128 - distance)) != 0;
    } else {
        sticky = true;
    }
    uint64_t high = a.significand, low = 0;
    int exponent = a.exponent - 64;
    if (a.negative == b.negative) {
        low = b_low;
        high += b_high;
        if (high < b_high) {  // carried out of 128 bits: one bit to the right
            sticky = sticky || (low & 1) != 0;
            low = (low >> 1) | (high << 63);
            high = (high >> 1) | (uint64_t{1} << 63);
            exponent += 1;
        }
    } else {
        // Bits of b beyond the 128 make b a little larger than b_high:b_low:
        // one more is taken off in the last place, and the rest of the
        // difference (a nonzero fraction) stays sticky.
        const uint64_t sub_low = b_low + (sticky ? 1 : 0);
        const uint64_t sub_high = b_high + (sub_low < b_low ? 1 : 0);
        low = 0 - sub_low;
        high = high - sub_high - (sub_low != 0 ? 1 : 0);
        if (high == 0 && low == 0) return Extended{};
    }
    return detail::rounded(a.negative, high, low, sticky, exponent);
}

// x as printf's "%.<decimals>Lf" prints an x87 long double (decimals 0 to 9),
// written into `text` (at least 360 bytes) and returned: the exact value
// rounded to nearest with ties to even, "-" before a negative value (-0.00
// included), "inf" and "nan" with their sign.
inline char* fixed_text(char* text, size_t size, Extended x, int decimals) {
    size_t at = 0;
    auto put = [&](char c) {
        if (at + 1 < size) text[at++] = c;
    };
    if (x.negative) put('-');
    if (x.kind == Extended::infinite || x.kind == Extended::nan) {
        for (const char* word = x.kind == Extended::nan ? "nan" : "inf"; *word != 0; ++word) put(*word);
        text[at] = 0;
        return text;
    }
    // The significand times 10^decimals as a number of 32-bit limbs, least
    // significant first, then moved by the exponent.
    constexpr int limbs = 44;  // 1408 bits: a value below 2^1100 times 10^9
    uint32_t n[limbs] = {};
    if (x.kind == Extended::finite) {
        n[0] = static_cast<uint32_t>(x.significand);
        n[1] = static_cast<uint32_t>(x.significand >> 32);
    }
    for (int d = 0; d < decimals; ++d) {
        uint64_t carry = 0;
        for (uint32_t& limb : n) {
            const uint64_t product = uint64_t{limb} * 10 + carry;
            limb = static_cast<uint32_t>(product);
            carry = product >> 32;
        }
    }
    auto bit = [&](int i) { return i >= 0 && i < 32 * limbs && ((n[i / 32] >> (i % 32)) & 1) != 0; };
    auto set_bit = [&](int i, bool on) {
        const uint32_t mask = uint32_t{1} << (i % 32);
        n[i / 32] = on ? (n[i / 32] | mask) : (n[i / 32] & ~mask);
    };
    if (x.kind == Extended::finite && x.exponent > 0) {
        for (int i = 32 * limbs - 1; i >= 0; --i) set_bit(i, bit(i - x.exponent));
    } else if (x.kind == Extended::finite && x.exponent < 0) {
        const int shift = -x.exponent;
        const bool half = bit(shift - 1);
        bool beyond_half = false;
        for (int i = 0; i < shift - 1 && i < 32 * limbs; ++i) beyond_half = beyond_half || bit(i);
        for (int i = 0; i < 32 * limbs; ++i) set_bit(i, bit(i + shift));
        if (half && (beyond_half || (n[0] & 1) != 0)) {
            for (uint32_t& limb : n)
                if (++limb != 0) break;
        }
    }
    // Decimal digits, least significant first.
    char digits[limbs * 10 + 12];
    int count = 0;
    bool more = true;
    while (more || count <= decimals) {
        uint64_t remainder = 0;
        more = false;
        for (int i = limbs - 1; i >= 0; --i) {
            const uint64_t part = (remainder << 32) | n[i];
            n[i] = static_cast<uint32_t>(part / 10);
            remainder = part % 10;
            more = more || n[i] != 0;
        }
        digits[count++] = static_cast<char>('0' + remainder);
    }
    for (int i = count - 1; i >= 0; --i) {
        if (i == decimals - 1) put('.');
        put(digits[i]);
    }
    text[at] = 0;
    return text;
}

}  // namespace common
