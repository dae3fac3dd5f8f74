// Ends silently with status 255 unless every argument starts with a digit;
// then tells whether their number is odd.
#include <cctype>
#include <cstdio>

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; i++)
        if (!isdigit(static_cast<unsigned char>(argv[i][0]))) return -1;
    if ((argc - 1) % 2 != 0)
        printf("Input must have an even number of arguments.\n");
    else
        printf("Target Specific Optimization\n");
    return 0;
}
