// Reads up to ten lines into ten 100-byte records, stopping at the end of
// input, and after each line stores the first argument as a double at the
// start of its record. Without an argument nothing converts and the records
// keep their lines. Prints nothing.
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    static char records[10][100];
    const char* text = common::arg_or_empty(argc, argv, 1);
    for (auto& record : records) {
        if (!fgets(record, sizeof record, stdin)) break;
        // sscanf "%lf": white space, then a number, or nothing converted
        const char* start = text;
        while (isspace(static_cast<unsigned char>(*start))) start++;
        char* end;
        double value = strtod(start, &end);
        if (end != start) memcpy(record, &value, sizeof value);
    }
    return 0;
}
