// Sleeps for the number of seconds it is given and prints nothing. The count
// is converted to sleep's unsigned count (its low 32 bits); a negative count
// sleeps not at all, rather than wrapping to a sleep of about 136 years. Text
// that is not a number counts as 0.
#include <unistd.h>

#include <cstdlib>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s [delay]\n", argv[0]);
    long long delay = common::strtol64(argv[1], nullptr, 10);
    unsigned seconds = delay > 0 ? static_cast<unsigned>(delay) : 0;
    sleep(seconds);
    return 0;
}
