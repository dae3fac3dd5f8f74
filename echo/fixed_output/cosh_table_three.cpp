// Prints the hyperbolic cosine of 1, 2 and 3.
#include <cmath>
#include <cstdio>

// cosh(x) = (e^x + e^-x) / 2.
static double hyperbolic_cosine(int x) {
    double e = exp(static_cast<double>(x));
    return (e + 1.0 / e) / 2.0;
}

int main() {
    for (int x = 1; x <= 3; x++) printf("cosh(%d) = %f\n", x, hyperbolic_cosine(x));
    return 0;
}
