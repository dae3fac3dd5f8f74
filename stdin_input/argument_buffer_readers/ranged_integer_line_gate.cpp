// Asks for an integer from 1 to 100 on a line of at most 79 characters, read in
// place of the first argument, and refuses one outside that range. An accepted
// number ends the program quietly with status 0. A line without a number (or
// nothing where the number should be, before the line's first newline) counts
// as 0 and is refused.
#include <cstdio>
#include <cstring>

#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    printf("Enter an integer between 1 and 100 (inclusive): ");
    char buf[80];
    char none[] = "";
    char* text = fgets(buf, sizeof buf, stdin) ? buf : argc > 1 ? argv[1] : none;
    text[strcspn(text, "\n")] = '\0';

    int value = 0;
    common::sscanf_int(text, &value);
    if (value < 1 || value > 100) {
        printf("Invalid input. Please enter an integer between 1 and 100 (inclusive).\n");
        return 1;
    }
    return 0;
}
