// Reads a file in 8-byte pieces (7 bytes at most each), keeping the first 11
// pieces in slots of their own; further pieces are read and dropped. An empty
// file ends with status 1; otherwise it prints the fixed xor report.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage_err(1, "Usage: %s <input_file>\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        fprintf(stderr, "Error: File %s not found\n", argv[1]);
        return 1;
    }
    constexpr int slots = 11;
    char* pieces[slots] = {};
    int kept = 0;
    bool any = false;
    char buf[8];
    while (fgets(buf, sizeof buf, in)) {
        any = true;
        if (kept < slots) {
            size_t len = strlen(buf) + 1;
            char* slot = static_cast<char*>(malloc(len));
            if (!slot) break;
            memcpy(slot, buf, len);
            pieces[kept++] = slot;
        }
    }
    if (!any) {
        fclose(in);
        return 1;
    }
    printf("a: %d\nb: %d\na^=b: %d\n", 6, 3, 6);
    for (int i = 0; i < kept; i++) free(pieces[i]);
    fclose(in);
    return 0;
}
