// Lists the header names of the libraries named by its arguments.
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    printf("Hello, this program includes the following libraries: \n");
    for (int i = 1; i < argc; i++) {
        if (strcmp(argv[i], "stdio") == 0)
            printf("stdio.h\n");
        else if (strcmp(argv[i], "math") == 0)
            printf("math.h\n");
        else if (strcmp(argv[i], "stdlib") == 0)
            printf("stdlib.h\n");
    }
    return 0;
}
