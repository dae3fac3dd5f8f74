// Sleeps for the number of seconds it is given and prints nothing. A negative
// count sleeps not at all; a count beyond what sleep takes sleeps the longest
// it can; text that is not a number counts as 0.
#include <unistd.h>

#include <climits>
#include <cstdlib>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s [delay]\n", argv[0]);
    long delay = strtol(argv[1], nullptr, 10);
    unsigned seconds = 0;
    if (delay > 0) seconds = static_cast<unsigned long>(delay) > UINT_MAX ? UINT_MAX : static_cast<unsigned>(delay);
    sleep(seconds);
    return 0;
}
