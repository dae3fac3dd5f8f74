// Programs that judge their arguments (character classes, length limits,
// palindromes, keyword prefixes) or split them into tokens: refusals with
// their texts and statuses, verdicts, limits at their edges, missing and
// empty arguments, and texts at the extremes.
#include <string>
#include <vector>

#include "harness/harness.hpp"

using harness::Case;
using harness::Run;

namespace {

const std::string nul(1, '\0');

// ---------------------------------------------------------------------------
// Refusals of a wrong argument count.

std::vector<Case> refusal_cases() {
    return {
        {.program = "filename_option_pairs", .out = "Error: Not enough arguments provided.\n", .status = 1},
        {.program = "spaced_char_rows", .out = "Please provide input using the command line like this: /p/s INPUT\n",
         .status = 255, .argv0 = "/p/s"},
        {.program = "spaced_char_rows", .args = {"a", "b"},
         .out = "Please provide input using the command line like this: ./spaced_char_rows INPUT\n", .status = 255},
        {.program = "lowercase_only_input", .args = {"a", "b"}, .out = "Usage: ./lowercase_only_input <input>\n",
         .status = 1},
        {.program = "case_blind_palindrome", .out = "No input given.\n", .status = 1},
        {.program = "alphabetic_includes_last", .args = {"a"}, .out = "Usage: ./a <input1> [<input2>]...\n",
         .status = 1, .argv0 = "./a", .note = "one argument is too few"},
        {.program = "uppercase_only_echo", .out = "Usage: ./uppercase_only_echo input\n", .status = 1},
        {.program = "whitespace_token_puts", .args = {"a"}, .out = "Error: incorrect number of arguments\n",
         .status = 1},
        {.program = "whitespace_token_puts", .args = {"a", "b", "c"}, .out = "Error: incorrect number of arguments\n",
         .status = 1},
        {.program = "short_input_processed", .args = {"a", "b"}, .out = "Usage: ./short_input_processed input\n",
         .status = 1},
        {.program = "long_input_notice_echo", .out = "Error: incorrect number of arguments\n", .status = 1},
        {.program = "digits_only_silent_check", .args = {"1", "2"},
         .out = "Error: program requires exactly one argument\n", .status = 1},
    };
}

// ---------------------------------------------------------------------------
// Verdicts, accepted texts and tokens.

std::vector<Case> member_cases() {
    const std::string l10 = "abcdefghij", l100(100, '9'), l150(150, 'z');
    return {
        // Walk of options and values: positions in the vector, refusals mid-walk.
        {.program = "input_file_option_sums", .note = "no arguments: nothing"},
        {.program = "input_file_option_sums", .args = {"12", "-3x", ".5", "-f"},
         .out = "The sum of 12 and 2 is 0\nThe sum of -3 and 3 is 0\nThe sum of 0 and 4 is 0\n"
                "The sum of 0 and 5 is 0\n",
         .note = "a last -f is a value"},
        {.program = "input_file_option_sums", .args = {"99999999999999999999"},
         .out = "The sum of -1 and 2 is 0\n", .note = "20 digits wrap as atoi does"},
        {.program = "input_file_option_sums", .args = {"1", "-h", "x"},
         .out = "The sum of 1 and 2 is 0\nUsage: ./input_file_option_sums input_file\n", .status = 1},
        {.program = "input_file_option_sums", .args = {"-f", "out"}, .out = "Usage: ./i input_file -f output_file\n",
         .status = 1, .argv0 = "./i"},
        {.program = "input_file_option_sums", .args = {"a1"}, .out = "Invalid input: a1\n", .status = 1},
        {.program = "input_file_option_sums", .args = {" 1"}, .out = "Invalid input:  1\n", .status = 1},
        {.program = "input_file_option_sums", .args = {"2", "\t1"},
         .out = "The sum of 2 and 2 is 0\nInvalid input: \t1\n", .status = 1, .note = "a tab is white space too"},
        {.program = "input_file_option_sums", .args = {""}, .out = "Invalid input: \n", .status = 1},
        {.program = "input_file_option_sums", .args = {l100, "1" + l100},
         .out = "The sum of -1 and 2 is 0\nInput too long: 1" + l100 + "\n", .status = 1,
         .note = "100 characters pass, 101 do not"},
        {.program = "filename_option_pairs", .args = {"f.txt"}, .out = "Filename: f.txt\n"},
        {.program = "filename_option_pairs", .args = {"f", "a", "b", "c", "d"},
         .out = "Filename: f\nOption 1: a\nOption 3: c\n", .note = "every other argument"},
        {.program = "first_char_argument_lines", .args = {"xyz", "", "7"}, .out = "Input Arguments:\nx\n\n7\n",
         .note = "an empty argument gives an empty line"},
        {.program = "first_char_argument_lines", .out = "Input Arguments:\n"},
        {.program = "spaced_char_rows", .args = {"abc"}, .out = "Input: abc\na b c \n"},
        {.program = "spaced_char_rows", .args = {l10}, .out = "Input: " + l10 + "\na b c d e f g h i j \nj \n",
         .note = "the tenth character starts a second row"},
        {.program = "spaced_char_rows", .args = {l10 + "k"},
         .out = "Input: " + l10 + "k\nError: Input too long. Maximum length is 9.\n", .status = 255},
        {.program = "spaced_char_rows", .args = {""}, .out = "Input: \n\n"},
        {.program = "lowercase_only_input", .args = {"abc123 -!"}, .out = "Input: abc123 -!\n"},
        {.program = "lowercase_only_input", .args = {"aBc"},
         .out = "Error: Input must only contain lowercase letters.\n", .status = 1},
        {.program = "case_blind_palindrome", .args = {"Abba", "x"},
         .out = "Abba is a palindrome.\nProgram: ./case_blind_palindrome\nExample input: /path/to/objectfile.o\n"},
        {.program = "case_blind_palindrome", .args = {"abca"},
         .out = "abca is not a palindrome.\nProgram: p\nExample input: /path/to/objectfile.o\n", .argv0 = "p"},
        {.program = "case_blind_palindrome", .args = {""},
         .out = " is a palindrome.\nProgram: p\nExample input: /path/to/objectfile.o\n", .argv0 = "p",
         .note = "the empty text is a palindrome"},
        {.program = "alphabetic_includes_last", .args = {"1", "a", "b"}, .out = "All includes: b\n"},
        {.program = "alphabetic_includes_last", .args = {"1", "a", "2"}, .out = "Invalid input: 2\n", .status = 1},
        {.program = "alphabetic_includes_last", .args = {"1", ""}, .out = "Invalid input: \n", .status = 1},
        {.program = "alphabetic_includes_last", .args = {"1", l150, "ab"}, .out = "All includes: ab\n",
         .note = "a shorter text replaces a longer one"},
        {.program = "alphabetic_includes_last", .args = {"1", l150}, .out = "All includes: " + l150.substr(0, 99) + "\n",
         .note = "cut to the 100-byte buffer"},
        {.program = "alnum_palindrome_verdict", .args = {"Ab1bA"}, .out = "Ab1bA is a palindrome"},
        {.program = "alnum_palindrome_verdict", .args = {"abBA"}, .out = "Not a palindrome", .status = 1},
        {.program = "alnum_palindrome_verdict", .args = {"a-a"}, .out = "Not a palindrome", .status = 1,
         .note = "only letters and digits"},
        {.program = "alnum_palindrome_verdict", .args = {""}, .out = " is a palindrome"},
        {.program = "alnum_palindrome_verdict", .out = " is a palindrome", .note = "missing argument as empty"},
        {.program = "stdin_blocks_per_argument", .args = {"only"}, .out = "only\n", .input = "ignored"},
        {.program = "stdin_blocks_per_argument", .args = {"a", "b"}, .out = "Input: 0123456789abcdefghij\n",
         .input = "0123456789abcdefghij", .note = "16 bytes, then the rest"},
        {.program = "stdin_blocks_per_argument", .out = "Input: \n", .input = "abc", .note = "no block read"},
        {.program = "stdin_blocks_per_argument", .args = {"a", "b"}, .out = "Input: abQRS\n",
         .input = "ab" + nul + "cdefghijklmnoQRS", .note = "a block is text up to its NUL"},
        {.program = "stdin_blocks_per_argument", .args = std::vector<std::string>(20, "x"),
         .out = "Input: " + harness::repeat("0123456789abcdef", 20) + "\n",
         .input = harness::repeat("0123456789abcdef", 21), .note = "320 bytes collected uncut"},
        {.program = "hello_help_version_processing", .args = {"-h", "--version", "x y", "-h"},
         .out = "Hello, world!\nUsage: ./h [options]\n./h version 201710\nProcessing input: x y\n"
                "Usage: ./h [options]\n",
         .argv0 = "./h"},
        {.program = "hello_help_version_processing", .out = "Hello, world!\n"},
        {.program = "uppercase_only_echo", .args = {"ABC-1"}, .out = "ABC-1"},
        {.program = "uppercase_only_echo", .args = {"ABc"}, .out = "Input must be in uppercase.\n", .status = 1},
        {.program = "uppercase_only_echo", .args = {"\xe9"}, .out = "\xe9", .note = "a high byte is no lower-case letter"},
        {.program = "quit_keyword_length_lines", .args = {"quit"}, .out = "Exiting program...\n"},
        {.program = "quit_keyword_length_lines", .args = {"abcdef"},
         .out = harness::repeat("Input string is 'abcdef'\nInput string is long\n", 6)},
        {.program = "quit_keyword_length_lines", .args = {"abcde"},
         .out = harness::repeat("Input string is 'abcde'\nInput string is short\n", 5)},
        {.program = "quit_keyword_length_lines", .note = "missing argument as empty: nothing"},
        {.program = "whitespace_token_puts", .args = {" a\tb\n\nc  ", "unused"}, .out = "a\nb\nc\n"},
        {.program = "whitespace_token_puts", .args = {"x\ry", ""}, .out = "x\ry\n", .note = "\\r does not split"},
        {.program = "short_input_processed", .args = {l10}, .out = "Processed: " + l10 + "\n"},
        {.program = "short_input_processed", .args = {l10 + "k"}, .out = "Input is longer than 10 characters.\n",
         .status = 1},
        {.program = "long_input_notice_echo", .args = {std::string(10000, 'q')},
         .out = "Input: " + std::string(10000, 'q') + "\n"},
        {.program = "alphabetic_first_char_report", .args = {"a1", "1a", ""},
         .out = "a1 is alphabetic\n1a is not alphabetic\n is not alphabetic\n"},
        {.program = "hello_prefix_per_char", .args = {"hello world"}, .out = harness::repeat("Hello, world!\n", 11)},
        {.program = "hello_prefix_per_char", .args = {"hell"},
         .out = harness::repeat("Invalid input. Please enter 'hello' followed by some text.\n", 4)},
        {.program = "hello_prefix_per_char", .note = "missing argument as empty: nothing"},
        {.program = "digit_arguments_parity", .args = {"1", "2"}, .out = "Target Specific Optimization\n"},
        {.program = "digit_arguments_parity", .args = {"1"}, .out = "Input must have an even number of arguments.\n"},
        {.program = "digit_arguments_parity", .out = "Target Specific Optimization\n"},
        {.program = "digit_arguments_parity", .args = {"1", "x"}, .status = 255, .note = "silent refusal"},
        {.program = "digit_arguments_parity", .args = {""}, .status = 255},
        {.program = "case_exact_palindrome", .args = {"abcba"}, .out = "Input string is a palindrome\n"},
        {.program = "case_exact_palindrome", .args = {"Abba"}, .out = "Input string is not a palindrome\n",
         .status = 1},
        {.program = "case_exact_palindrome", .out = "Input string is a palindrome\n",
         .note = "missing argument as empty"},
        {.program = "letter_led_words_puts", .args = {"ab", "1c", "", "Z"}, .out = "prog\nab\nZ\n", .argv0 = "prog",
         .note = "the invocation name counts"},
        {.program = "letter_led_words_puts", .args = {"x"}, .out = "x\n"},
        {.program = "token_lines_per_argument", .args = {"a b\r\nc", "   ", "d\te"}, .out = "a\nb\nc\nd\te\n"},
        {.program = "first_token_echo", .args = {"  ls -l"}, .out = "Command Line Argument: ls\n"},
        {.program = "first_token_echo", .args = {"   "}, .out = "Error: invalid input\n", .status = 1},
        {.program = "first_token_echo", .out = "Error: invalid input\n", .status = 1, .note = "missing argument"},
        {.program = "digits_and_spaces_check", .args = {"x12 3"}, .out = "Input is a digit!\n"},
        {.program = "digits_and_spaces_check", .args = {"1a"}, .out = "Input is not a digit. Exiting program...\n",
         .status = 1},
        {.program = "digits_and_spaces_check", .args = {"12\xff" "ab"}, .out = "Input is a digit!\n",
         .note = "stops at a byte of 128 or more"},
        {.program = "digits_and_spaces_check", .args = {"x"}, .out = "Input is a digit!\n"},
        {.program = "digits_and_spaces_check", .args = {""}, .out = "Input is not a digit. Exiting program...\n",
         .status = 1, .note = "empty: no digit"},
        {.program = "digits_and_spaces_check", .out = "Input is not a digit. Exiting program...\n", .status = 1,
         .note = "missing"},
        {.program = "digits_only_silent_check", .args = {"0123456789"}},
        {.program = "digits_only_silent_check", .args = {""}, .note = "empty passes"},
        {.program = "digits_only_silent_check", .args = {"12 3"}, .out = "Invalid input: must contain only digits\n",
         .status = 1},
    };
}

// ---------------------------------------------------------------------------
// Extreme texts: every member must end normally.

const char* const members[] = {
    "input_file_option_sums", "filename_option_pairs", "first_char_argument_lines", "spaced_char_rows",
    "lowercase_only_input", "case_blind_palindrome", "alphabetic_includes_last", "alnum_palindrome_verdict",
    "stdin_blocks_per_argument", "hello_help_version_processing", "uppercase_only_echo",
    "quit_keyword_length_lines", "whitespace_token_puts", "short_input_processed", "long_input_notice_echo",
    "alphabetic_first_char_report", "hello_prefix_per_char", "digit_arguments_parity", "case_exact_palindrome",
    "letter_led_words_puts", "token_lines_per_argument", "first_token_echo", "digits_and_spaces_check",
    "digits_only_silent_check",
};

std::vector<Run> probe_runs() {
    const std::string big(10000, 'a');
    const std::vector<std::vector<std::string>> extremes = {
        {}, {""}, {big}, {"2147483647", "-2147483648"}, {"99999999999999999999", big}, {"", ""}, {"a", big, "\xff"},
    };
    return harness::runs_over(members, extremes, std::string(100, 'i'));
}

const std::vector<Case> refusal_table = refusal_cases();
const std::vector<Case> member_table = member_cases();
const std::vector<Run> probe_table = probe_runs();

}  // namespace

HARNESS_TABLE(ValidatorRefusals, refusal_table);
HARNESS_TABLE(ValidatorMembers, member_table);
HARNESS_PROBES(ValidatorProbes, probe_table);
