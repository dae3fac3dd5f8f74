// Lists the arguments numbered from 1, each with the address of its slot in
// the argument vector.
#include <cstdio>

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; i++) printf("Argument %d: %s (%p)\n", i, argv[i], static_cast<void*>(&argv[i]));
    return 0;
}
