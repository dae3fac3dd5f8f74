// Answers each argument in turn: "input" asks for a value, the topic keywords
// print their texts, anything else is an invalid command.
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; i++) {
        const char* word = argv[i];
        if (strcmp(word, "input") == 0) {
            printf("Enter a value: ");
            float value = 0;
            if (scanf("%f", &value) != 1) value = 0;  // the value is not used further
        } else if (strcmp(word, "example") == 0) {
            printf("Example: 1 2 3\n");
        } else if (strcmp(word, "vector") == 0) {
            printf("Vectorization is a technique for optimizing code. It allows us to process multiple data items "
                   "at once instead of processing them one by one.\n");
        } else if (strcmp(word, "support") == 0) {
            printf("Support libraries contain pre-written code that can be used to accomplish certain tasks in a "
                   "program. For example, the 'math' library contains functions for mathematical operations like "
                   "square root and sine.\n");
        } else if (strcmp(word, "associativity") == 0) {
            printf("Associativity is the property of some operations, such as addition and multiplication, that "
                   "allows us to group terms in different ways without changing the result. For example, "
                   "(1 + 2) + 3 is the same as 1 + (2 + 3).\n");
        } else {
            printf("Invalid command!\n");
        }
    }
    return 0;
}
