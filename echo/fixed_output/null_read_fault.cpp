// Prints nothing and ends with a failure status.
#include <cstdlib>

int main() { return EXIT_FAILURE; }
