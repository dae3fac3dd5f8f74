// Tells whether its first argument reads the same both ways, ignoring case.
#include <cctype>
#include <cstdio>
#include <cstring>

// Compares the characters at i and length-1-i after tolower for i from 0 to
// length/2 (the middle pair included). The empty text is a palindrome.
static bool is_palindrome(const char* text) {
    size_t length = strlen(text);
    if (length == 0) return true;
    for (size_t i = 0; i <= length / 2; i++) {
        int front = tolower(static_cast<unsigned char>(text[i]));
        int back = tolower(static_cast<unsigned char>(text[length - 1 - i]));
        if (front != back) return false;
    }
    return true;
}

int main(int argc, char* argv[]) {
    if (argc < 2) {
        printf("No input given.\n");
        return 1;
    }
    if (is_palindrome(argv[1]))
        printf("%s is a palindrome.\n", argv[1]);
    else
        printf("%s is not a palindrome.\n", argv[1]);
    printf("Program: %s\n", argv[0]);
    printf("Example input: /path/to/objectfile.o\n");
    return 0;
}
