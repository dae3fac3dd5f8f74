// Echoes a file with puts, 999 bytes at most at a time, so every line of the
// file is followed by an empty line. The file name is the first word of the
// argument; a word longer than its 111-character buffer, or an argument with
// no word at all, is refused like a file that cannot be opened.
#include <cctype>
#include <cstdio>

#include "common/args.hpp"
#include "common/lines.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Error: incorrect number of arguments");
        return 1;
    }
    char name[112] = "";
    int end = 0;  // where the scan stopped: after the word when there is one
    sscanf(argv[1], "%111s%n", name, &end);
    const auto after = static_cast<unsigned char>(argv[1][end]);
    const bool whole_word = after == '\0' || isspace(after);
    FILE* in = whole_word ? fopen(name, "r") : nullptr;
    if (!in) {
        puts("Error: could not open file");
        return 1;
    }
    common::for_each_piece<1000>(in, [](const char* piece) { puts(piece); });
    fclose(in);
    return 0;
}
