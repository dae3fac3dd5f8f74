// Started as /bin/bash it echoes one line of input; under any other name it
// lists its arguments, the second on as numbers, each with its position
// among the arguments counted from 0. A missing first argument prints as
// "(null)".
#include <cstdio>
#include <cstring>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (strcmp(argv[0], "/bin/bash") == 0) {
        char line[1024] = "";
        if (!fgets(line, sizeof line, stdin)) line[0] = '\0';
        printf("You entered: %s\n", line);
        return 0;
    }
    printf("Running program with command line arguments: %s\n", common::arg(argc, argv, 1));
    for (int i = 2; i < argc; i++) printf("Input #%d: %d\n", i - 1, common::atoi_int(argv[i]));
    return 0;
}
