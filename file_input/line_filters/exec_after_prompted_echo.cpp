// With one argument: skips a line of standard input, reads a file name (one
// word) and prints the file's pieces (999 bytes at most) as "Input: ...".
// In every case it then replaces itself with the program named by its first
// argument, passing its own argument vector; what it printed is flushed
// first so that it is not lost. A name longer than the system's 4095-byte
// path limit cannot be opened; with no argument there is nothing to start.
#include <cctype>
#include <cstdio>
#include <unistd.h>

#include "common/args.hpp"
#include "common/lines.hpp"

int main(int argc, char* argv[]) {
    if (common::has_args(argc, 1)) {
        static char line[1000];
        static char name[4096];
        if (!fgets(line, sizeof line, stdin)) line[0] = '\0';  // the line is not used
        if (fscanf(stdin, "%4095s", name) != 1) {
            puts("Error: invalid input.");
        } else {
            int next = getchar();
            bool too_long = next != EOF && !isspace(next);
            FILE* in = too_long ? nullptr : fopen(name, "r");
            if (!in) {
                puts("Error: could not open input file.");
            } else {
                common::for_each_piece<1000>(in, [](const char* piece) { printf("Input: %s\n", piece); });
                fclose(in);
            }
        }
    } else {
        puts("Error: invalid number of arguments.");
    }
    fflush(stdout);
    if (argc > 1) execvp(argv[1], argv);
    puts("Error: could not execute the program.");
    return 2;
}
