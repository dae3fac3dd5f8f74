// Prints a fixed program listing and ends with the number of bytes written as
// its status.
#include <cstdio>

int main() {
    return printf("Program:\n\t#include <stdio.h>\n\tint main() {\n\t\t// Code for target-specific optimizations goes here,\n\t\t// such as: \n\t\tif(x > 10){\n\t\t    tso = 1;}\n\t}");
}
