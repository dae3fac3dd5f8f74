// Checks four words: whether the first is "main", the OR of the next two, and
// whether the fourth is "fprintf". Fewer than four arguments are refused;
// more are ignored.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 4)) return common::usage_err(1, "Usage: %s filename\n", argv[0]);
    puts(strcmp(argv[1], "main") == 0 ? "Main function called." : "No main function found.");
    int a = common::atoi_int(argv[2]);
    int b = common::atoi_int(argv[3]);
    printf("%d | %d = %d\n", a, b, a | b);
    puts(strcmp(argv[4], "fprintf") == 0 ? "Fprintf function called." : "No fprintf function found.");
    return 0;
}
