// Reads the binary file named first in 4-byte items and reports how many
// items each read gave: 1 for every whole item, then 0 once at the end of the
// file (or at a read error), where it stops. The argument count is not
// checked: without an argument there is no file to open.
#include <cstdio>

int main(int argc, char* argv[]) {
    FILE* in = argc > 1 ? fopen(argv[1], "rb") : nullptr;
    if (!in) {
        puts("Error: File not found or could not be opened");
        return 1;
    }
    int item;
    size_t got;
    do {
        got = fread(&item, sizeof item, 1, in);
        printf("Read %d bytes of data\n", static_cast<int>(got));
    } while (got != 0);
    fclose(in);
    return 0;
}
