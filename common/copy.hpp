// Bounded copies into fixed character arrays: nothing is written past the
// array and the copy is always terminated.
#pragma once

#include <cstring>

namespace common {

// Whether `src` with its terminator fits in an N-byte array (reads at most N bytes of it).
template <size_t N> inline bool fits(const char (&)[N], const char* src) { return strnlen(src, N) < N; }

// Copies at most size-1 bytes of `src` and a terminator into the block of
// `size` bytes (size >= 1) at `dst`, such as a heap block; returns the number
// of bytes copied before the terminator.
inline size_t copy_bounded(char* dst, size_t size, const char* src) {
    size_t n = strnlen(src, size - 1);
    memcpy(dst, src, n);
    dst[n] = '\0';
    return n;
}

// Copies at most N-1 bytes of `src` and a terminator into `dst`; returns the
// number of bytes copied before the terminator (shorter than strlen(src) when
// the text was cut).
template <size_t N> inline size_t copy_bounded(char (&dst)[N], const char* src) { return copy_bounded(dst, N, src); }

// Appends at most what still fits of `src` to the text in `dst`; returns the
// new length.
template <size_t N> inline size_t append_bounded(char (&dst)[N], const char* src) {
    size_t have = strnlen(dst, N - 1);
    size_t n = strnlen(src, N - 1 - have);
    memcpy(dst + have, src, n);
    dst[have + n] = '\0';
    return have + n;
}

}  // namespace common
