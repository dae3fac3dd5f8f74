// Reads a count n from a line of at most 19 characters, less its last
// character, and names the number missing from the sequence 3, 8, 13, ...
// (step 5); only n of 0 or 1 gets an answer. Those positions lie before the
// sequence's start, so the answer is the sequence continued backwards:
// 3 + 5 * (n - 2).
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main() {
    printf("Enter a list of integers: ");
    char line[20] = "";
    if (!fgets(line, sizeof line, stdin)) line[0] = '\0';
    // The last character goes whatever it is: the newline of a complete line,
    // or the last digit of a line cut at 19 characters or ended by end of input.
    size_t length = strlen(line);
    if (length > 0) line[length - 1] = '\0';

    int n = common::to_int(common::strtol64(line, nullptr, 10));
    if (n < 0 || n > 10) {
        printf("Invalid entry. Please enter a number between 0 and 10, inclusive.");
        return -1;
    }
    int highest = 5 * n - 5;
    if (highest >= 1) {
        printf("Invalid entry. The highest number in the sequence should be less than %d", highest);
        return -1;
    }
    printf("The missing number is: ");
    printf("%d", 3 + 5 * (n - 2));
    return 0;
}
