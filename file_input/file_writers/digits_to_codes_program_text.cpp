// Reads up to 19 characters of a file's first line, turns every digit into
// the byte of its value (so '0' ends the text), then shows the text after an
// include line and writes it into a main() body in the output file.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage_err(1, "Usage: %s <input.llvm> <output.cc>\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        perror("Could not open input file.");
        return 1;
    }
    // Zero-filled: an empty file leaves an empty text.
    char* text = static_cast<char*>(calloc(20, 1));
    // Without the block there is nothing to convert: no message, status 1.
    if (!text) {
        fclose(in);
        return 1;
    }
    if (!fgets(text, 20, in)) text[0] = '\0';
    for (char* p = text; *p; p++)
        if (*p >= '0' && *p <= '9') *p = static_cast<char>(*p - '0');
    FILE* out = fopen(argv[2], "w");
    if (!out) {
        perror("Could not open output file.");
        free(text);
        fclose(in);
        return 1;
    }
    printf("#include <stdio.h>\n%s", text);
    fprintf(out, "int main() {\n%s}\n}\n", text);
    free(text);
    fclose(in);
    fclose(out);
    return 0;
}
