// With "--help" first, reads a line and a number once per argument and
// prints nothing; otherwise reads nothing.
#include <cstdio>
#include <cstring>

#include "common/input.hpp"

int main(int argc, char* argv[]) {
    if (argc < 2 || strcmp(argv[1], "--help") != 0) return 0;
    for (int i = 1; i < argc; i++) {
        char line[100];
        if (!fgets(line, sizeof line, stdin)) line[0] = '\0';
        int number = 0;
        common::scan_int(number);
    }
    return 0;
}
