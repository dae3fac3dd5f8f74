// Reads a name as one word (of any length) and takes an age (as by atoi) from
// its characters after the eighth: a word of eight characters or fewer, or no
// word at all, gives the age 0.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/intconv.hpp"
#include "common/word.hpp"

int main() {
    printf("Enter your name: ");
    char* word = common::read_word();
    int age = word && strlen(word) > 8 ? common::atoi_int(word + 8) : 0;
    free(word);
    if (age >= 18)
        printf("You are eligible to vote.\n");
    else
        printf("Sorry, you are not old enough to vote yet.");
    return 0;
}
