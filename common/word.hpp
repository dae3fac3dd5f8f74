// Reading one word from a stream the way scanf's "%s" does, into storage that
// grows with the word, so that no word is too long for it.
#pragma once

#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace common {

// Skips white space, then reads every byte up to the next white space (which
// is pushed back) or the end of input. Returns the word in a heap block that
// the caller frees, or nullptr when the input ended before any word (nothing
// converted), or when memory ran out.
inline char* read_word(FILE* in = stdin) {
    int c;
    do c = getc(in);
    while (c != EOF && isspace(c));
    if (c == EOF) return nullptr;

    size_t size = 64, length = 0;
    char* word = static_cast<char*>(malloc(size));
    if (!word) return nullptr;
    while (c != EOF && !isspace(c)) {
        if (length + 1 == size) {
            char* bigger = static_cast<char*>(realloc(word, size * 2));
            if (!bigger) {
                free(word);
                return nullptr;
            }
            word = bigger;
            size *= 2;
        }
        word[length++] = static_cast<char>(c);
        c = getc(in);
    }
    if (c != EOF) ungetc(c, in);
    word[length] = '\0';
    return word;
}

}  // namespace common
