// Announces the start of each topic its arguments name.
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; i++) {
        if (strcmp(argv[i], "Profile-Guided Instrumentation") == 0)
            printf("Starting Profile-Guided Instrumentation...\n");
        else if (strcmp(argv[i], "Framework for LLVM transformations") == 0)
            printf("Starting Framework for LLVM transformations...\n");
        else if (strcmp(argv[i], "fenv_t type") == 0)
            printf("Starting fenv_t type...\n");
    }
    return 0;
}
