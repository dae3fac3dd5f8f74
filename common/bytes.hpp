// Numbers as bytes, least significant byte first (little-endian, the order of
// x86-64), whatever the byte order of the target: for programs that write a
// number's bytes to a file or read them from one, or take the bytes of a text
// as a number.
#pragma once

#include <cstdint>
#include <cstdio>

namespace common {

// The unsigned number of the n bytes at `bytes`, the first the least significant.
template <class U> constexpr U load_le(const unsigned char* bytes) {
    U value = 0;
    for (unsigned i = 0; i < sizeof(U); i++) value |= static_cast<U>(static_cast<U>(bytes[i]) << (8 * i));
    return value;
}

// Puts the bytes of `value` at `bytes`, least significant first.
template <class U> constexpr void store_le(unsigned char* bytes, U value) {
    for (unsigned i = 0; i < sizeof(U); i++) bytes[i] = static_cast<unsigned char>(value >> (8 * i));
}

// The bytes of `value` written to `out` as fwrite writes one item of its
// size: returns 1 when the whole item was written.
template <class U> size_t write_le(U value, FILE* out) {
    unsigned char bytes[sizeof(U)];
    store_le(bytes, value);
    return fwrite(bytes, sizeof bytes, 1, out);
}

// One item of sizeof(U) bytes read from `in` as fread reads it: returns 1 and
// sets `value` when a whole item was read, else 0 and leaves `value` as it was.
template <class U> size_t read_le(U& value, FILE* in) {
    unsigned char bytes[sizeof(U)];
    if (fread(bytes, sizeof bytes, 1, in) != 1) return 0;
    value = load_le<U>(bytes);
    return 1;
}

}  // namespace common
