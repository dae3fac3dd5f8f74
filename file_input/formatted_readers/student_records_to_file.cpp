// Reads records of an id and a name (the rest of the line, 99 characters at
// most) into the first record of a student table and writes each, with that
// record's GPA, to the output file.
#include <cstdio>

#include "common/args.hpp"
#include "common/input.hpp"

struct Student {
    int id;
    char name[100];
    float gpa;
};

static Student students[100];

// " %99[^\n]%*c": skips white space, takes up to 99 bytes up to a newline,
// then consumes one byte. False when no byte was taken for the name.
static bool scan_name(char (&name)[100], FILE* in) {
    int c;
    do c = getc(in);
    while (c != EOF && (c == ' ' || (c >= '\t' && c <= '\r')));
    size_t n = 0;
    while (c != EOF && c != '\n' && n < sizeof name - 1) {
        name[n++] = static_cast<char>(c);
        c = getc(in);
    }
    if (c != EOF) ungetc(c, in);
    if (n == 0) return false;
    name[n] = '\0';
    getc(in);
    return true;
}

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage(1, "Usage: %s <input file> <output file>\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    FILE* out = fopen(argv[2], "w");
    if (!in || !out) {
        puts("Could not open file.");
        return 1;
    }
    Student& s = students[0];
    while (common::scan_int(s.id, in) == 1 && scan_name(s.name, in))
        fprintf(out, "ID: %d\nName: %s\nGPA: %.2f\n", s.id, s.name, static_cast<double>(s.gpa));
    fclose(in);
    fclose(out);
    puts("Data stored successfully.");
    return 0;
}
