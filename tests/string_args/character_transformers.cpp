// Programs that rewrite an argument character by character: refusals with
// their exact texts, streams and statuses, each map at its edges (the codes
// just past z and 9, bytes above 127, NUL bytes made by the map), buffer cuts
// at 100 and 128 bytes, 32-bit wrap, and missing arguments.
#include "harness/harness.hpp"

using harness::Case;
using harness::Run;

namespace {

const std::string long_arg(10000, 'c');
std::string digits(size_t n) {
    std::string s;
    while (s.size() < n) s += static_cast<char>('0' + s.size() % 10);
    return s;
}
std::string ascending(size_t n) {
    std::string s;
    for (size_t i = 0; i < n; i++) s += static_cast<char>('a' + i % 26);
    return s;
}
std::string reversed(std::string s) { return {s.rbegin(), s.rend()}; }
const std::string counted = "0\n1\n2\n3\n4\n5\n6\n7\n8\n9\n";

// Refusals for wrong counts: each with no argument and with two.
struct Refusal {
    const char* program;
    const char* text;  // "%s" is the invocation name
    int status;
    bool on_stderr = false;
};
const Refusal refusals[] = {
    {"letter_only_min_four_check", "Error: please provide one input\n", 1},
    {"digit_offset_decimal", "Error: program requires one argument\n", 1},
    {"uppercase_serialized_copy", "Please provide a single argument.\n", 1},
    {"cse_expression_rewrite", "Usage: %s <input_expression>\n", 1},
    {"alternating_case_writer", "Error: expected 1 argument.\n", 255},
    {"digit_string_hex", "Please provide only one argument.", 1},
    {"vowel_star_mask", "Usage: %s input\n", 1},
    {"letter_offset_mirror", "Usage: %s input\n", 1},
    {"first_letter_code_shift", "Usage: %s <input>\n", 1},
    {"long_input_lowercase", "Usage: %s <string>\n", 1},
    {"lowercase_to_uppercase_echo", "Usage: programname [argument]\n", 1},
    {"letter_digit_shift", "Usage: %s argument\n", 1},
    {"lowercase_writer", "Error: not enough arguments\n", 1, true},
    {"leet_digit_substitution", "Please provide a single argument.", 1},
    {"digits_to_float_value", "Usage: %s <input>\n", 1},
};

std::vector<Case> refusal_cases() {
    std::vector<Case> cases;
    for (const Refusal& r : refusals) {
        Case c{.program = r.program, .status = r.status, .note = "refused count"};
        (r.on_stderr ? c.err : c.out) = harness::with_name(r.text, std::string("./") + r.program);
        cases.push_back(c);
        c.args = {"a", "b"};
        cases.push_back(c);
    }
    cases.push_back({.program = "upper_until_x", .out = "Usage: program.exe <input>\n", .status = 1});
    cases.push_back({.program = "vowel_star_mask", .out = "Usage: /x/v input\n", .status = 1, .argv0 = "/x/v"});
    return cases;
}

std::vector<Case> member_cases() {
    return {
        // Checks, in their order.
        {.program = "letter_only_min_four_check", .args = {"abcd"}, .out = "Output: abcd\n"},
        {.program = "letter_only_min_four_check", .args = {"abC"}, .out = "Error: input contains non-lowercase letter\n",
         .status = 1, .note = "letter test before length test"},
        {.program = "letter_only_min_four_check", .args = {"abc"}, .out = "Error: input must be at least 4 characters long\n",
         .status = 1},
        {.program = "letter_only_min_four_check", .args = {""}, .out = "Error: input must be at least 4 characters long\n",
         .status = 1},
        {.program = "letter_only_min_four_check", .args = {std::string(10000, 'q')}, .out = "Output: " + std::string(10000, 'q') + "\n"},

        // Digits become the bytes of their values; a 0 ends the printed text.
        {.program = "digit_offset_decimal", .args = {"987"}, .out = "Input: \t\b\a\nDecimal: 987\n"},
        {.program = "digit_offset_decimal", .args = {"1203"}, .out = "Input: \x01\x02\nDecimal: 1203\n"},
        {.program = "digit_offset_decimal", .args = {"4a2"}, .out = "Input: \x04\x31\x02\nDecimal: 42\n",
         .note = "non-digits skipped"},
        {.program = "digit_offset_decimal", .args = {"99999999999"}, .out = "Input: " + std::string(11, '\t') + "\nDecimal: 1215752191\n",
         .note = "32-bit wrap"},
        {.program = "digit_offset_decimal", .args = {"!"}, .out = "Input: \xf1\nDecimal: 0\n", .note = "below 48 wraps in the byte"},

        {.program = "ones_parity_report", .args = {"1", "11", "1"}, .out = "Input: 1\nOutput: 1\nInput: 11\nOutput: 0\n"},
        {.program = "ones_parity_report", .args = {"", "1"}, .out = "Input: \nOutput: 0\n"},
        {.program = "ones_parity_report", .args = {"a1b11"}, .out = "Input: a1b11\nOutput: 1\n"},
        {.program = "ones_parity_report"},

        {.program = "alternate_digit_number", .args = {"ab1234567"}, .out = "Input: ab1234567\nResult: 1357.00\n"},
        {.program = "alternate_digit_number", .args = {"ab12x45"}, .out = "Input: ab12x45\nResult: 14.00\n",
         .note = "step 3 while a non-digit follows"},
        {.program = "alternate_digit_number", .args = {"12"}, .out = "Input: 12\nResult: 0.00\n"},
        {.program = "alternate_digit_number", .args = {"ab1c"}, .out = "Input: ab1c\nResult: 1.00\n"},
        {.program = "alternate_digit_number", .args = {"ab" + std::string(40, '9')},
         .out = "Input: ab" + std::string(40, '9') + "\nResult: 100000000000000016384.00\n",
         .note = "twenty nines; past 2^53 each step is rounded to a double"},
        {.program = "alternate_digit_number", .args = {ascending(200)}, .out = "Input: " + ascending(127) + "\nResult: 0.00\n",
         .note = "127 bytes kept"},
        {.program = "alternate_digit_number", .out = "Input: \nResult: 0.00\n", .note = "missing argument"},

        {.program = "digits_copy_greeting_overwrite", .args = {"arg"}, .out = counted + "arg\nhello, \n"},
        {.program = "digits_copy_greeting_overwrite", .args = {ascending(100)}, .out = counted + ascending(99) + "\nhello, \n",
         .note = "cut to 99 bytes"},
        {.program = "digits_copy_greeting_overwrite", .out = counted + "\nhello, \n", .note = "missing argument"},

        {.program = "uppercase_serialized_copy", .args = {"aBz9!"}, .out = "Input: ABZ9! \nSerialized: ABZ9! \n"},
        {.program = "uppercase_serialized_copy", .args = {"\xe9t"}, .out = "Input: \xe9T \nSerialized: \xe9T \n"},

        {.program = "cse_expression_rewrite", .args = {"(a+b)*(a+b)"},
         .out = "Input expression: (a+b)*(a+b)\nOutput expression: ( +b)   +b)\n"},
        {.program = "cse_expression_rewrite", .args = {"a+b"}, .out = "Input expression: a+b\nOutput expression: a+b\n",
         .note = "no parenthesis: skips to the end"},
        {.program = "cse_expression_rewrite", .args = {"x)"}, .out = "Input expression: x)\nOutput expression: x)\n",
         .note = "space after the last operator falls on the terminator"},
        {.program = "cse_expression_rewrite", .args = {""}, .out = "Input expression: \nOutput expression: \n"},

        {.program = "alternating_case_writer", .args = {"hello WORLD"}, .out = "HeLlO WoRlD\n"},
        {.program = "alternating_case_writer", .args = {"q"}, .out = "Q\n"},
        {.program = "alternating_case_writer", .args = {""}, .out = "\n"},

        {.program = "digit_to_letter_map", .args = {"0129"}, .out = "ABCJ"},
        {.program = "digit_to_letter_map", .args = {"12a3"}, .out = "BCInvalid character in input.", .status = 1},
        {.program = "digit_to_letter_map", .note = "missing argument: nothing"},

        {.program = "first_char_bit_text", .args = {"A b"}, .out = "Input: A\nBinary representation: 11111100\n"},
        {.program = "first_char_bit_text", .args = {"  \x01z"}, .out = "Input: \x01z\nBinary representation: 00000000\n"},
        {.program = "first_char_bit_text", .args = {"\xff"}, .out = "Input: \xff\nBinary representation: 11111111\n",
         .note = "a negative char as unsigned"},
        {.program = "first_char_bit_text", .args = {"   "}, .out = "Input: \nBinary representation: 00000000\n",
         .note = "no token"},
        {.program = "first_char_bit_text", .out = "Input: \nBinary representation: 00000000\n", .note = "missing argument"},

        {.program = "digit_string_hex", .args = {"0129"}, .out = "The hexadecimal representation of the input is: 30313239\n"},
        {.program = "digit_string_hex", .args = {"12 3"}, .out = "Invalid input. Please enter only digits.\n", .status = 1},
        {.program = "digit_string_hex", .args = {""}, .out = "The hexadecimal representation of the input is: \n"},

        {.program = "vowel_star_mask", .args = {"EducAtion9"}, .out = "Output:\nEd*cAt**n9"},
        {.program = "vowel_star_mask", .args = {"a b"}, .out = "Invalid input: a b\n", .status = 1},
        {.program = "vowel_star_mask", .args = {"ok!"}, .out = "Invalid input: ok!\n", .status = 1},

        {.program = "abc_score_fold", .args = {"abc"}, .out = "-3\n"},
        {.program = "abc_score_fold", .args = {"bb"}, .out = "-4\n"},
        {.program = "abc_score_fold", .args = {"x"}, .out = "0\n"},
        {.program = "abc_score_fold", .args = {"bbbbbbbbbx"}, .out = "-4\n", .note = "division truncates toward zero"},
        {.program = "abc_score_fold", .args = {"a" + std::string(20, 'c')}, .out = "-808182895\n", .note = "32-bit wrap"},
        {.program = "abc_score_fold", .args = {std::string(99, 'a') + "aaa"}, .out = "99\n", .note = "cut to 99 bytes"},
        {.program = "abc_score_fold", .out = "0\n", .note = "missing argument"},

        {.program = "argument_reverser_silent", .args = {"abc", ""}, .out = "Reversing 'abc'\nReversing ''\n"},
        {.program = "argument_reverser_silent"},

        {.program = "half_argument_echo", .out = "Hello World\n"},
        {.program = "half_argument_echo", .args = {"abcde", "z"}, .out = "ab\n"},
        {.program = "half_argument_echo", .args = {"a"}, .out = "a\n"},
        {.program = "half_argument_echo", .args = {""}, .out = "\n"},

        {.program = "last_argument_reverse", .args = {"first", "abcd"}, .out = "dcba\n"},
        {.program = "last_argument_reverse", .args = {ascending(150)}, .out = reversed(ascending(99)) + "\n",
         .note = "cut to 99 bytes, then reversed"},
        {.program = "last_argument_reverse", .out = "\n", .note = "missing argument"},

        {.program = "letter_offset_mirror", .args = {"AZaz09 ~"}, .out = "@'`G09 ~"},

        {.program = "first_letter_code_shift", .args = {"\x13rest"}, .out = "Input: t\nOutput: t\n"},
        {.program = "first_letter_code_shift", .args = {"A"}, .out = "Input: \xc2\nOutput: P\n",
         .note = "lower-cased first"},
        {.program = "first_letter_code_shift", .args = {"\xa0"}, .out = "Input: \x01\nOutput: P\n", .note = "modulo 256"},
        {.program = "first_letter_code_shift", .args = {""}, .out = "Input: a\nOutput: P\n"},

        {.program = "long_input_lowercase", .args = {"ABCDEFGHIJ"}, .out = "Optimized string: ABCDEFGHIJ\n"},
        {.program = "long_input_lowercase", .args = {"ABCDEFGHIJK"},
         .out = "Input is longer than 10 characters. Optimizing...\nOptimized string: abcdefghijk\n"},

        {.program = "lowercase_to_uppercase_echo", .args = {"MiXed 1"},
         .out = "Input string in lowercase: MiXed 1\nInput string in uppercase: MIXED 1\n"},

        {.program = "uppercase_heading_passthrough", .args = {"abc", ""}, .out = "Converted to uppercase:\nabc\n\n"},
        {.program = "uppercase_heading_passthrough", .out = "Converted to uppercase:\n"},

        {.program = "letter_digit_shift", .args = {"az09 Z!"}, .out = "b{2; Z!\n"},

        {.program = "upper_until_x", .args = {"abyxyz"}, .out = "Input: ABzxyz\n"},
        {.program = "upper_until_x", .args = {"ab cd"}, .out = "Input: AB\n", .note = "a space becomes NUL"},
        {.program = "upper_until_x", .args = {"9\x80", "b"}, .out = "Input: \x19\x60\n", .note = "other bytes too, wrapping"},

        {.program = "lowercase_writer", .args = {"AbC 1\xc9"}, .out = "abc 1\xc9"},

        {.program = "leet_digit_substitution", .args = {"etc 9E"}, .out = "Input: etc 9E\nOptimized String: 375000\n"},

        {.program = "in_place_reverse_puts", .args = {"abcde", "x"}, .out = "edcba\n"},
        {.program = "in_place_reverse_puts", .args = {long_arg + "z"}, .out = "z" + long_arg + "\n"},
        {.program = "in_place_reverse_puts", .out = "\n", .note = "missing argument"},

        {.program = "digits_to_float_value", .args = {"1a2.5"}, .out = "Maximum floating point number: 125.000000\n"},
        {.program = "digits_to_float_value", .args = {"x"}, .out = "Maximum floating point number: 0.000000\n"},
        {.program = "digits_to_float_value", .args = {"99999999999999999999"},
         .out = "Maximum floating point number: 100000000000000016384.000000\n",
         .note = "past 2^53 each step is rounded to a double"},
        {.program = "digits_to_float_value", .args = {digits(400)}, .out = "Maximum floating point number: inf\n"},

        {.program = "odd_position_argument_writer", .args = {"a", "b", "c", "d", "e"}, .out = "a\nc\ne\n"},
        {.program = "odd_position_argument_writer"},

        {.program = "argument_shift_count", .out = "The number of arguments passed: 1\n"},
        {.program = "argument_shift_count", .args = {"a"}, .out = "The number of arguments passed: 1\n"},
        {.program = "argument_shift_count", .args = {"a", "b"}, .out = "The number of arguments passed: 2\n"},
        {.program = "argument_shift_count", .args = {"1", "2", "3", "4", "5"}, .out = "The number of arguments passed: 5\n"},
    };
}

// Extreme texts: every member must end normally.
const char* const members[] = {
    "letter_only_min_four_check", "digit_offset_decimal", "ones_parity_report", "alternate_digit_number",
    "digits_copy_greeting_overwrite", "uppercase_serialized_copy", "cse_expression_rewrite", "alternating_case_writer",
    "digit_to_letter_map", "first_char_bit_text", "digit_string_hex", "vowel_star_mask", "abc_score_fold",
    "argument_reverser_silent", "half_argument_echo", "last_argument_reverse", "letter_offset_mirror",
    "first_letter_code_shift", "long_input_lowercase", "lowercase_to_uppercase_echo", "uppercase_heading_passthrough",
    "letter_digit_shift", "upper_until_x", "lowercase_writer", "leet_digit_substitution", "in_place_reverse_puts",
    "digits_to_float_value", "odd_position_argument_writer", "argument_shift_count",
};

std::vector<Run> probe_runs() {
    const std::vector<std::vector<std::string>> extremes = {
        {}, {""}, {long_arg}, {digits(10000)}, {"2147483647"}, {"-2147483648"}, {"99999999999999999999"},
        {std::string(10000, '\xff')}, {std::string(5000, '(') + std::string(5000, '0')}, {"1", "1", ""},
    };
    return harness::runs_over(members, extremes);
}

const std::vector<Case> refusal_table = refusal_cases();
const std::vector<Case> member_table = member_cases();
const std::vector<Run> probe_table = probe_runs();

}  // namespace

HARNESS_TABLE(CharacterTransformerRefusals, refusal_table);
HARNESS_TABLE(CharacterTransformerMembers, member_table);
HARNESS_PROBES(CharacterTransformerProbes, probe_table);
