// Rewrites an expression with the routine cse and prints both texts.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"

namespace {

bool is_operator(char c) { return c == '(' || c == ')' || c == '*' || c == '+' || c == '-' || c == '/'; }
bool is_parenthesis(char c) { return c == '(' || c == ')'; }

// `output` is a block of strlen(input)+1 bytes. It starts as a copy of the
// input. Walking the input from the start, an operator puts a space into the
// output just after its own position; any other character skips ahead to the
// next parenthesis (or to the end of the input when there is none) and then
// over a run of "0" characters. The output is ended where the walk stopped,
// which is always the end of the input.
void cse(const char* input, char* output) {
    size_t length = strlen(input);
    memcpy(output, input, length + 1);
    size_t i = 0;
    while (i < length) {
        if (is_operator(input[i])) {
            output[i + 1] = ' ';
            i++;
        } else {
            while (i < length && !is_parenthesis(input[i])) i++;
            while (i < length && input[i] == '0') i++;
        }
    }
    output[i] = '\0';
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <input_expression>\n", argv[0]);
    char* output = static_cast<char*>(malloc(strlen(argv[1]) + 1));
    if (!output) return 1;
    cse(argv[1], output);
    printf("Input expression: %s\n", argv[1]);
    printf("Output expression: %s\n", output);
    free(output);
    return 0;
}
