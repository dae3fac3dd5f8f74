// Sums up to nine arguments as doubles, reports the time between two readings
// of the clock taken one after the other, and a scaled result.
#include <sys/time.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    const int most = 9;
    double sum = 0;
    for (int i = 1; i < argc && i <= most; ++i) sum += atof(argv[i]);
    printf("The sum is %.2f\n", sum);

    timeval start{}, stop{};
    gettimeofday(&start, nullptr);
    gettimeofday(&stop, nullptr);
    double taken = static_cast<double>(stop.tv_usec - start.tv_usec) / 1e6 +
                   static_cast<double>(stop.tv_sec - start.tv_sec);
    printf("Time taken: %fs\n", taken);
    printf("Optimized result: %f\n", 10.0 * sum * 0.5);
    return 0;
}
