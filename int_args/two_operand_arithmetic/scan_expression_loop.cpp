// Scans "number operator number" from argument 1 and prints the equation,
// then scans again two characters further on, until a scan no longer finds
// all three items. A zero divisor ends the program with an error line and
// status 1; the most negative int divided by -1 wraps to itself. A missing
// argument is an empty expression: nothing is printed.
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

// What sscanf(text, "%d %c %d", ...) converts: true when all three items are
// there. Numbers are read as "%d" reads them (strtol's value cut to 32 bits).
static bool scan_expression(const char* text, int& x, char& op, int& y) {
    char* end;
    long long v = common::strtol64(text, &end, 10);
    if (end == text) return false;
    const char* p = end;
    while (isspace(static_cast<unsigned char>(*p))) p++;
    if (*p == '\0') return false;
    char c = *p++;
    long long w = common::strtol64(p, &end, 10);
    if (end == p) return false;
    x = common::to_int(v);
    op = c;
    y = common::to_int(w);
    return true;
}

int main(int argc, char* argv[]) {
    const char* rest = common::arg_or_empty(argc, argv, 1);
    int x, y;
    char op;
    while (scan_expression(rest, x, op, y)) {
        switch (op) {
        case '+': printf("%d + %d = %d\n", x, y, common::wrap_add(x, y)); break;
        case '-': printf("%d - %d = %d\n", x, y, common::wrap_sub(x, y)); break;
        case '*': printf("%d * %d = %d\n", x, y, common::wrap_mul(x, y)); break;
        case '/':
            if (y == 0) {
                puts("Error: division by zero");
                return 1;
            }
            printf("%d / %d = %d\n", x, y, common::wrap_div(x, y));
            break;
        default:
            printf("Invalid operator: %c\n", op);
            return 1;
        }
        // Two characters further on, but never past the terminator.
        if (strnlen(rest, 2) < 2) break;
        rest += 2;
    }
    return 0;
}
