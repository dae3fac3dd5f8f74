// Copies its arguments into a table of 256 slots of 80 bytes, then writes an
// empty line for every slot whose text matches the first argument over the
// slot's 80 bytes. The table starts cleared, so slots beyond the arguments hold
// the empty text; arguments beyond the 256th have no slot and are not stored.
// Without arguments there is nothing to match and nothing is written.
#include <cstdio>
#include <cstring>

constexpr int slots = 256;
constexpr size_t slot_size = 80;

int main(int argc, char* argv[]) {
    static char table[slots][slot_size];  // zero-filled: every slot empty
    int stored = argc - 1 < slots ? argc - 1 : slots;
    // An argument of 80 bytes or more fills its slot with no terminator.
    for (int i = 0; i < stored; ++i) strncpy(table[i], argv[i + 1], slot_size);
    if (argc < 2) return 0;
    const char* key = argv[1];
    const char* key_end = key + strlen(key);
    for (int i = 0; i < slots; ++i)
        if (strncmp(table[i], key, slot_size) == 0) puts(key_end);
    return 0;
}
