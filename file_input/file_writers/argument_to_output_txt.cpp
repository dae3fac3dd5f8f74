// Writes the first argument and a newline to output.txt; without one the file
// is left empty.
#include <cstdio>

int main(int argc, char* argv[]) {
    FILE* out = fopen("output.txt", "w");
    // Nowhere to write: no message, status 1.
    if (!out) return 1;
    if (argc > 1) fprintf(out, "%s\n", argv[1]);
    fclose(out);
    return 0;
}
