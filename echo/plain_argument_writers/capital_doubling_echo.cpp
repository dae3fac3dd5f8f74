// Writes its arguments one per line, each argument that starts with a capital
// letter moved one byte back onto the end of the word before it: that letter
// shows twice, and the word before runs on into it.
//
// The lines are built as if the letter had been stored over the preceding
// word's terminator, without touching memory outside any argument.
#include <cstdio>

namespace {

bool starts_capital(const char* word) { return word[0] >= 'A' && word[0] <= 'Z'; }

// Writes argument i and, while the next argument was moved onto its
// terminator, that argument from its moved start (its letter, then its text).
void write_run_on(int argc, char* argv[], int i) {
    for (;;) {
        fputs(argv[i], stdout);
        if (i + 1 >= argc || !starts_capital(argv[i + 1])) break;
        i++;
        putchar(argv[i][0]);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; i++) {
        if (starts_capital(argv[i])) putchar(argv[i][0]);
        write_run_on(argc, argv, i);
        putchar('\n');
    }
    return 0;
}
