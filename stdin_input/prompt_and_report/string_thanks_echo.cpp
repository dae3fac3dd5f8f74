// Echoes one line of up to 255 characters and thanks the user; fails quietly
// when the read reached the end of the input.
#include <cstdio>

int main() {
    printf("Please enter a string: ");
    char line[256] = "";
    if (!fgets(line, sizeof line, stdin)) line[0] = '\0';
    if (feof(stdin)) return 1;
    printf("You entered: %s\n", line);
    printf("Thank you for using our program!");
    return 0;
}
