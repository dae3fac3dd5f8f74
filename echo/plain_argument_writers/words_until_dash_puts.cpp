// Writes its words one per line, the invocation name first, stopping before
// the first word that begins with a dash.
#include <cstdio>

int main(int argc, char* argv[]) {
    for (int i = 0; i < argc && argv[i][0] != '-'; i++) puts(argv[i]);
    return 0;
}
