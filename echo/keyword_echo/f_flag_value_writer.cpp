// Walks its arguments, answering those that begin with f with a fixed text
// and writing the word after any other one.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    int i = 1;
    while (i < argc) {
        if (argv[i][0] == 'f') {
            printf("Function Specialization and Collection of optimization passes");
            i += 1;
        } else {
            // The last argument has no word after it: nothing is written for it.
            fputs(common::arg_or_empty(argc, argv, i + 1), stdout);
            i += 2;
        }
    }
    return 0;
}
