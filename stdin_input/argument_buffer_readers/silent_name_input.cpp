// Reads one word in place of the first argument and prints nothing about it.
#include <cstdio>
#include <cstdlib>

#include "common/word.hpp"

int main() {
    printf("Enter your name: ");
    free(common::read_word());
    return 0;
}
