// Prints the wrapping sum of two integer arguments, then the two argument
// texts as given followed by the sum.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage(1, "Usage: %s input output\n", argv[0]);
    int sum = common::wrap_add(common::atoi_int(argv[1]), common::atoi_int(argv[2]));
    printf("a + b = %d\n", sum);
    printf("%s %s %d\n", argv[1], argv[2], sum);
    return 0;
}
