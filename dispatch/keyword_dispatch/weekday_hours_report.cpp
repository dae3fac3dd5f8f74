// Reports the week's hours for a fixed worker: the weekday in the fourth
// argument is looked up, but every day gives the same 8 hours.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 4)) {
        puts("Error: please provide 4 arguments.");
        return 1;
    }
    const char* const days[] = {"Saturday", "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday"};
    // Every day, and any other word, counts the same 8 hours.
    int hours = 8;
    for (const char* day : days)
        if (strcmp(argv[4], day) == 0) break;
    printf("%s worked %d hours this week\n", "Vosk", hours);
    return 0;
}
