// Sums up to nine arguments as doubles, reports the time between two readings
// of the clock taken one after the other, and a scaled result.
#include <sys/time.h>

#include <cstdio>
#include <cstdlib>

#include "common/fp.hpp"

int main(int argc, char* argv[]) {
    const int most = 9;
    double sum = 0;
    for (int i = 1; i < argc && i <= most; ++i) sum = common::add(sum, atof(argv[i]));  // inf past DBL_MAX
    printf("The sum is %.2f\n", sum);

    timeval start{}, stop{};
    gettimeofday(&start, nullptr);
    gettimeofday(&stop, nullptr);
    double micros = common::as_double(static_cast<double>(stop.tv_usec - start.tv_usec) / 1e6);
    double taken = common::as_double(micros + static_cast<double>(stop.tv_sec - start.tv_sec));
    printf("Time taken: %fs\n", taken);
    // 10 * sum is inf past DBL_MAX, and halving it leaves inf.
    double tenfold = common::mul(10.0, sum);
    printf("Optimized result: %f\n", common::mul(tenfold, 0.5));
    return 0;
}
