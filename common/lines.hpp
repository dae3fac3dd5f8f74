// The line loop: repeated fgets into an N-byte buffer until end of file or a
// read error. Each piece holds at most N-1 bytes and keeps its newline when it
// fits, so a line longer than N-2 characters arrives as several pieces, and the
// last line of a file without a final newline arrives without one. End of file
// and read errors (a directory opened as a file, say) end the loop alike.
#pragma once

#include <climits>
#include <cstddef>
#include <cstdio>

namespace common {

// Calls `each(piece)` for every piece read from `in` with an N-byte buffer.
// The buffer lives on the caller's frame; nothing is allocated or copied.
template <int N, class Each> inline void for_each_piece(FILE* in, Each each) {
    static_assert(N >= 2, "fgets needs room for one byte and the terminator");
    char buf[N];
    while (fgets(buf, N, in)) each(buf);
}

// The same loop over an array the caller owns, for programs that read into a
// buffer they have already used for something else (a copied file name, say).
template <size_t N, class Each> inline void for_each_piece(FILE* in, char (&buf)[N], Each each) {
    static_assert(N >= 2 && N <= INT_MAX, "fgets takes an int size of at least 2");
    while (fgets(buf, static_cast<int>(N), in)) each(buf);
}

}  // namespace common
