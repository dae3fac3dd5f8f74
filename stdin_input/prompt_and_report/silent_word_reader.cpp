// Asks for a word, reads it into a 100-byte buffer and prints nothing more. A
// longer word is read only up to its 99th character; the rest stays unread.
#include <cstdio>

int main() {
    printf("Enter your string: ");
    char word[100];
    if (scanf("%99s", word) != 1) word[0] = '\0';  // nothing but blanks: no word
    return 0;
}
