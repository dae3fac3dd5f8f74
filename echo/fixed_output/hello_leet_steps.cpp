// Turns "hello" into "H3llo" one position at a time, printing the text after
// each step.
#include <cstdio>

int main() {
    char text[] = "hello";
    printf("Input: %s\n", text);
    for (int i = 0; i < 5; i++) {
        if (text[i] == 'h') text[i] = 'H';
        else if (text[i] == 'e') text[i] = '3';
        printf("Modified string: %s\n", text);
    }
    return 0;
}
