// Programs that take one integer from their first argument and print it, a
// simple function of it, or nothing; most refuse a wrong count with their own
// text, stream and status.
#include <climits>
#include <cstdint>
#include <cstdio>
#include <functional>

#include "harness/harness.hpp"

using harness::Case;
using harness::with_name;

namespace {

// ---------------------------------------------------------------------------
// Refusals of a wrong argument count.

struct Checked {
    const char* program;
    int count;             // accepted number of arguments
    bool at_least;         // more are accepted (and ignored)
    const char* refusal;   // "%s" stands for the invocation name
    int status;            // exit status after the refusal
    bool on_stderr = false;
};

const Checked checked[] = {
    {"input_number_pair_echo", 1, false, "Please provide one argument.\n", 1},
    {"squared_is_report", 1, false, "Usage: %s <integer>\n", 1, true},
    {"int_echo_stderr_usage", 1, true, "Usage: %s <number>\n", 1, true},
    {"number_is_stderr_usage", 1, false, "Usage: %s <number>\n", 1, true},
    {"input_integer_value_echo", 1, false, "Usage: ./program <integer input>\n", 1},
    {"input_strtol_echo", 1, false, "Please provide an input integer as a command line argument.\n", 1},
    {"input_echo_pair_count", 2, false, "Usage: program.c [input]\n", 1},
    {"int_echo_program_usage", 1, false, "Usage: program <number>\n", 1},
    {"int_echo_soft_usage", 1, true, "Please provide an integer as input.\n", 0},
    {"square_report_bracket_usage", 1, false, "Usage: program [integer]\n", 1},
    {"int_echo_dot_usage", 1, false, "Usage: ./program <integer>\n", 1},
    {"int_echo_argument_request", 1, false, "Please provide an integer as an argument\n", 1},
    {"eighth_floor_report", 1, false, "Invalid number of arguments.\n", 1},
    {"number_is_dot_usage", 1, false, "Usage: ./program input\n", 1},
    {"square_report_input_request", 1, false, "Please provide an integer as input.\n", 1},
    {"doubled_result_report", 1, false, "Please provide exactly one argument as input integer\n", 1},
    {"input_integer_usage_echo", 1, false, "Usage: %s <input_integer>\n", 1},
    {"characters_long_report", 1, false, "Usage: %s <input_string>\n", 1},
    {"input_bracket_usage_echo", 1, false, "Usage: %s [integer]\n", 1},
    {"int_echo_named_usage", 1, false, "Usage: %s integer\n", 1},
    {"square_of_input_value", 1, false, "Usage: %s <input_value>\n", 1},
    {"square_only_report", 1, false, "Usage: %s <integer>\n", 1},
    {"int_echo_num_usage", 1, true, "Usage: %s NUM\n", 1},
    {"number_label_echo", 1, false, "Usage: %s INT\n", 1},
    {"absolute_value_usage", 1, false, "Usage: %s <integer>\n", 1},
    {"square_equals_report", 1, false, "Usage: %s <num>\n", 1},
    {"square_report_name_usage", 1, false, "Usage: %s <integer>\n", 1},
    {"twice_plus_three_report", 1, false, "Usage: %s N\n", 1},
    {"square_report_soft_usage", 1, false, "Usage: program <number>", 0},
    {"number_is_error_usage", 1, false, "Error: Please provide exactly one argument.", 1},
    {"square_or_request", 1, true, "No input provided. Please provide an integer value for x.", 0},
    {"square_report_silent_usage", 1, false, "", 0},
    {"silent_argument_scan", 1, false, "Usage: %s <integer>\n", 1},
    {"silent_copy_convert", 1, false, "Usage: %s input\n", 1},
    {"silent_convert_count_error", 1, false, "Error: incorrect number of arguments\n", 1},
    {"silent_convert_file_usage", 1, false, "Usage: ./program [input_file]\n", 1},
    {"silent_convert_two_request", 1, false, "Please provide two arguments: a number and another argument.\n", 1},
    {"silent_convert_request", 1, true, "Please provide input as a command line argument\n", 1},
    {"char_and_number_split", 1, false, "Error: Please enter two arguments\n", 1},
};

// Each refusal for no argument, for one argument short and for one too many,
// with the invocation name where the text has one.
std::vector<Case> refusal_cases() {
    std::vector<harness::CountRule> rules;
    for (const Checked& c : checked) {
        std::vector<int> refused = {0};
        if (c.count > 1) refused.push_back(c.count - 1);
        if (!c.at_least) refused.push_back(c.count + 1);
        rules.push_back({c.program, refused, c.refusal, c.status, c.on_stderr});
    }
    return harness::count_refusals(rules);
}

// ---------------------------------------------------------------------------
// Reports over the conversions: every argument text below with the int it
// converts to (decimal, leading blanks and sign, the rest ignored, the long
// result cut to its low 32 bits).

struct Converted {
    std::string text;
    int value;
};

const std::vector<Converted> conversions = {
    {"7", 7},
    {"-9", -9},
    {"  +42", 42},
    {"\t\n 13", 13},
    {"12abc", 12},
    {"abc", 0},
    {"", 0},
    {"0x10", 0},
    {"2147483647", INT_MAX},
    {"-2147483648", INT_MIN},
    {"2147483648", INT_MIN},
    {"4294967297", 1},
    {"99999999999999999999", -1},   // saturates at LONG_MAX, low 32 bits all ones
    {"-99999999999999999999", 0},   // LONG_MIN, low 32 bits zero
    {std::string(10000, '9'), -1},
    {std::string(10000, 'x'), 0},
};

int wrapped(int64_t v) { return static_cast<int>(static_cast<uint32_t>(static_cast<uint64_t>(v))); }
std::string num(long long v) { return std::to_string(v); }

using Report = std::function<std::string(const std::string& text, int v)>;

struct Reporter {
    const char* program;
    Report report;
    int count = 1;  // arguments passed (the first is the one converted)
};

// before v, middle v*v after, wrapping at 32 bits.
std::string square_line(const char* before, const char* middle, const char* after, int v) {
    return before + num(v) + middle + num(wrapped(int64_t{v} * v)) + after;
}

const std::vector<Reporter> reporters = {
    {"input_number_pair_echo", [](auto& t, int v) { return "Input: " + t + "\nNumber: " + num(v) + "\n"; }},
    {"int_echo_stderr_usage", [](auto&, int v) { return num(v) + "\n"; }},
    {"number_is_stderr_usage", [](auto&, int v) { return "The number is: " + num(v) + "\n"; }},
    {"input_integer_value_echo", [](auto&, int v) { return "Input integer value: " + num(v) + "\n"; }},
    {"input_strtol_echo", [](auto&, int v) { return "Input: " + num(v) + "\n"; }},
    {"input_echo_pair_count", [](auto&, int v) { return "Input: " + num(v) + "\n"; }, 2},
    {"int_echo_program_usage", [](auto&, int v) { return num(v) + "\n"; }},
    {"int_echo_soft_usage", [](auto&, int v) { return num(v) + "\n"; }},
    {"int_echo_dot_usage", [](auto&, int v) { return num(v) + "\n"; }},
    {"int_echo_argument_request", [](auto&, int v) { return num(v) + "\n"; }},
    {"number_is_dot_usage", [](auto&, int v) { return "The number is " + num(v) + ".\n"; }},
    {"input_integer_usage_echo", [](auto&, int v) { return "Input integer: " + num(v) + "\n"; }},
    {"characters_long_report", [](auto&, int v) { return num(v) + " characters long.\n"; }},
    {"input_bracket_usage_echo", [](auto&, int v) { return "Input: " + num(v) + "\n"; }},
    {"int_echo_named_usage", [](auto&, int v) { return num(v) + "\n"; }},
    {"int_echo_num_usage", [](auto&, int v) { return num(v) + "\n"; }},
    {"number_label_echo", [](auto&, int v) { return "Number: " + num(v) + "\n"; }},
    {"number_is_error_usage", [](auto&, int v) { return "The number is " + num(v) + ".\n"; }},
    {"int_echo_optional", [](auto&, int v) { return num(v) + "\n"; }},
    {"argument_count_claim", [](auto&, int v) { return "Program executed with " + num(v) + " arguments"; }},
    {"input_echo_unchecked", [](auto&, int v) { return "Input: " + num(v) + "\n"; }},
    {"squared_is_report", [](auto&, int v) { return square_line("", " squared is ", "\n", v); }},
    {"square_report_bracket_usage", [](auto&, int v) { return square_line("The square of ", " is ", ".\n", v); }},
    {"square_report_input_request", [](auto&, int v) { return square_line("The square of ", " is ", ".\n", v); }},
    {"square_of_input_value", [](auto&, int v) { return square_line("Square of ", " is ", "\n", v); }},
    {"square_report_name_usage", [](auto&, int v) { return square_line("The square of ", " is ", ".\n", v); }},
    {"square_equals_report", [](auto&, int v) { return square_line("Square of ", " = ", "", v); }},
    {"square_report_soft_usage", [](auto&, int v) { return square_line("The square of ", " is ", "\n", v); }},
    {"square_report_silent_usage", [](auto&, int v) { return square_line("The square of ", " is ", "\n", v); }},
    {"square_only_report", [](auto&, int v) { return num(wrapped(int64_t{v} * v)) + "\n"; }},
    {"square_or_request", [](auto&, int v) { return num(wrapped(int64_t{v} * v)) + "\n"; }},
    {"doubled_result_report", [](auto&, int v) { return "Result: " + num(wrapped(int64_t{v} * 2)) + "\n"; }},
    {"twice_plus_three_report",
     [](auto&, int v) { return "The result is " + num(wrapped(int64_t{v} * 2 + 3)) + "\n"; }},
    {"number_and_double_report",
     [](auto&, int v) {
         return "The number is: " + num(v) + "\nThe double of the number is: " + num(wrapped(int64_t{v} * 2)) + "\n";
     }},
    {"increment_report",
     [](auto&, int v) {
         return "x is " + num(v) + "\nAfter incrementing, x is " + num(wrapped(int64_t{v} + 1)) + "\n";
     }},
    {"square_after_prompt",
     [](auto&, int v) {
         return "Input a number: The square of the number is: " + num(wrapped(int64_t{v} * v)) + "\n";
     }},
    {"eighth_floor_report", [](auto&, int v) { return num(v >= 0 ? v / 8 : -((-int64_t{v} + 7) / 8)) + "\n"; }},
    {"absolute_value_usage",
     [](auto&, int v) {
         return "The absolute value of " + num(v) + " is " + num(wrapped(v < 0 ? -int64_t{v} : v)) + "\n";
     }},
    {"half_ceiling_report",
     [](auto&, int v) {
         char line[80];
         snprintf(line, sizeof line, "The result of the operation is %.10f\n", double(wrapped(int64_t{v} + 1) / 2));
         return std::string(line);
     }},
    {"shifted_mask_report", [](auto&, int v) { return num((uint32_t(v) >> 1) & 0x7FFFFF8u) + "\n"; }},
    {"binary_claim_report", [](auto&, int v) { return num(uint32_t(v)) + " in binary is " + num(uint32_t(v)) + "\n"; }},
    {"float_square_report",
     [](auto&, int v) {
         int64_t sq = int64_t{v} * v;
         return "The square is " + num(sq > INT_MAX ? INT_MIN : sq) + "\n";
     }},
    // Programs that print nothing when the count is right.
    {"silent_argument_scan", [](auto&, int) { return ""; }},
    {"silent_convert_count_error", [](auto&, int) { return ""; }},
    {"silent_convert_file_usage", [](auto&, int) { return ""; }},
    {"silent_convert_two_request", [](auto&, int) { return ""; }},
    {"silent_convert_request", [](auto&, int) { return ""; }},
    {"empty_convert", [](auto&, int) { return ""; }},
    {"hello_then_convert", [](auto&, int) { return "Hello, World!\n"; }},
};

std::vector<Case> report_cases() {
    std::vector<Case> cases;
    for (const Reporter& r : reporters)
        for (const Converted& c : conversions) {
            Case k{.program = r.program, .args = {c.text}, .out = r.report(c.text, c.value)};
            k.args.resize(r.count, "9");
            cases.push_back(k);
        }
    return cases;
}

// ---------------------------------------------------------------------------
// Single cases: the worked examples, the missing argument, and what the
// families above do not cover.

const std::string long_text = std::string(10000, 'w');

std::vector<Case> member_cases() {
    return {
        {.program = "eighth_floor_report", .args = {"-9"}, .out = "-2\n"},
        {.program = "eighth_floor_report", .args = {"9"}, .out = "1\n"},
        {.program = "eighth_floor_report", .args = {"-1"}, .out = "-1\n"},
        {.program = "eighth_floor_report", .args = {"-2147483648"}, .out = "-268435456\n"},
        {.program = "shifted_mask_report", .args = {"100"}, .out = "48\n"},
        {.program = "shifted_mask_report", .args = {"-1"}, .out = "134217720\n"},
        {.program = "shifted_mask_report", .out = "0\n", .note = "missing argument taken as 0"},
        {.program = "half_ceiling_report", .args = {"4"}, .out = "The result of the operation is 2.0000000000\n"},
        {.program = "half_ceiling_report", .args = {"5"}, .out = "The result of the operation is 3.0000000000\n"},
        {.program = "half_ceiling_report", .args = {"-4"}, .out = "The result of the operation is -1.0000000000\n",
         .note = "int division truncates toward zero"},
        {.program = "half_ceiling_report", .args = {"2147483647"},
         .out = "The result of the operation is -1073741824.0000000000\n", .note = "v+1 wraps"},
        {.program = "float_square_report", .args = {"46340"}, .out = "The square is 2147395600\n"},
        {.program = "float_square_report", .args = {"46341"}, .out = "The square is -2147483648\n"},
        {.program = "float_square_report", .args = {"-46341"}, .out = "The square is -2147483648\n"},
        {.program = "float_square_report", .args = {"-2147483648"}, .out = "The square is -2147483648\n"},
        {.program = "hex_input_echo", .args = {"ff"}, .out = "Input: FF\n"},
        {.program = "hex_input_echo", .args = {"-1"}, .out = "Input: FFFFFFFF\n"},
        {.program = "hex_input_echo", .args = {"0x1aG"}, .out = "Input: 1A\n", .note = "prefix taken, rest ignored"},
        {.program = "hex_input_echo", .args = {"123456789"}, .out = "Input: 23456789\n", .note = "low 32 bits"},
        {.program = "hex_input_echo", .args = {"zz"}, .out = "Input: 0\n"},
        {.program = "hex_input_echo", .args = {std::string(10000, 'f')}, .out = "Input: FFFFFFFF\n"},
        {.program = "hex_input_echo", .out = "Input: 0\n", .note = "missing argument taken as 0"},
        {.program = "characters_long_report", .args = {"12abc"}, .out = "12 characters long.\n"},
        {.program = "absolute_value_usage", .args = {"-7"}, .out = "The absolute value of -7 is 7\n"},
        {.program = "absolute_value_usage", .args = {"-2147483648"},
         .out = "The absolute value of -2147483648 is -2147483648\n", .note = "no positive counterpart"},
        {.program = "square_of_input_value", .args = {"46341"}, .out = "Square of 46341 is -2147479015\n"},
        {.program = "square_only_report", .args = {"65536"}, .out = "0\n"},
        {.program = "twice_plus_three_report", .args = {"1073741823"}, .out = "The result is -2147483647\n"},
        {.program = "doubled_result_report", .args = {"1073741824"}, .out = "Result: -2147483648\n"},
        {.program = "increment_report", .args = {"2147483647"},
         .out = "x is 2147483647\nAfter incrementing, x is -2147483648\n"},

        // Accepted counts beyond the first argument.
        {.program = "int_echo_stderr_usage", .args = {"3", "4"}, .out = "3\n"},
        {.program = "int_echo_soft_usage", .args = {"3", "4"}, .out = "3\n"},
        {.program = "int_echo_num_usage", .args = {"3", "4", "5"}, .out = "3\n"},
        {.program = "square_or_request", .args = {"-3", "4"}, .out = "9\n"},
        {.program = "silent_convert_request", .args = {"3", "x"}},
        {.program = "input_echo_pair_count", .args = {"3", "not a number"}, .out = "Input: 3\n"},
        {.program = "square_report_silent_usage", .args = {"2", "3"}, .note = "refusal prints nothing"},

        // Silent programs: only the status tells.
        {.program = "silent_copy_convert", .args = {"42"}, .status = 1, .note = "status 1 after converting"},
        {.program = "silent_copy_convert", .args = {""}, .status = 1},
        {.program = "silent_copy_convert", .args = {long_text}, .status = 1},
        {.program = "empty_convert"},
        {.program = "empty_convert", .args = {"1", "2", "3"}},
        {.program = "hello_then_convert", .out = "Hello, World!\n", .note = "missing argument"},
        {.program = "hello_then_convert", .args = {"1", "2"}, .out = "Hello, World!\n"},

        // Members without a count check take a missing argument as 0.
        {.program = "input_echo_unchecked", .out = "Input: 0\n"},
        {.program = "input_echo_unchecked", .args = {"5", "6"}, .out = "Input: 5\n"},
        {.program = "binary_claim_report", .args = {"5"}, .out = "5 in binary is 5\n"},
        {.program = "binary_claim_report", .out = "0 in binary is 0\n"},
        {.program = "number_and_double_report", .out = "The number is: 0\nThe double of the number is: 0\n"},
        {.program = "square_after_prompt", .out = "Input a number: The square of the number is: 0\n", .input = "9\n",
         .note = "standard input not read"},
        {.program = "increment_report", .out = "x is 0\nAfter incrementing, x is 1\n"},
        {.program = "half_ceiling_report", .out = "The result of the operation is 0.0000000000\n"},
        {.program = "float_square_report", .out = "The square is 0\n"},
        {.program = "argument_count_claim", .args = {"a", "b", "c"}, .out = "Program executed with 0 arguments",
         .note = "the number is the argument, not the count"},
        {.program = "argument_count_claim", .out = "Program executed with 0 arguments"},
        {.program = "int_echo_optional", .out = "0\n", .note = "no argument prints 0"},
        {.program = "int_echo_optional", .args = {"8", "9"}, .out = "8\n"},

        // The factorial line shows n and n!, 1 for zero and negative n; past
        // 20! the long long wraps, and from 66! on it is 0.
        {.program = "factorial_claim_report", .args = {"5"}, .out = "The factorial of 5 is 120\n"},
        {.program = "factorial_claim_report", .args = {"1"}, .out = "The factorial of 1 is 1\n"},
        {.program = "factorial_claim_report", .args = {"0"}, .out = "The factorial of 0 is 1\n"},
        {.program = "factorial_claim_report", .args = {"-4"}, .out = "The factorial of -4 is 1\n"},
        {.program = "factorial_claim_report", .args = {"20"}, .out = "The factorial of 20 is 2432902008176640000\n"},
        {.program = "factorial_claim_report", .args = {"21"}, .out = "The factorial of 21 is -4249290049419214848\n"},
        {.program = "factorial_claim_report", .args = {"66"}, .out = "The factorial of 66 is 0\n"},
        {.program = "factorial_claim_report", .args = {"2147483647"}, .out = "The factorial of 2147483647 is 0\n"},
        {.program = "factorial_claim_report", .args = {"-2147483648"}, .out = "The factorial of -2147483648 is 1\n"},
        {.program = "factorial_claim_report", .args = {"4294967301"}, .out = "The factorial of 5 is 120\n",
         .note = "low 32 bits"},
        {.program = "factorial_claim_report", .args = {"7x"}, .out = "The factorial of 7 is 5040\n"},
        {.program = "factorial_claim_report", .out = "The factorial of 0 is 1\n", .note = "missing argument"},

        // First word: cut to 127 characters; no word gives an empty line.
        {.program = "first_word_echo", .args = {"  hello world"}, .out = "hello\n"},
        {.program = "first_word_echo", .args = {"one\ttwo"}, .out = "one\n"},
        {.program = "first_word_echo", .args = {"%d%s"}, .out = "%d%s\n"},
        {.program = "first_word_echo", .args = {std::string(127, 'a') + " b"}, .out = std::string(127, 'a') + "\n"},
        {.program = "first_word_echo", .args = {std::string(128, 'a')}, .out = std::string(127, 'a') + "\n",
         .note = "cut after 127"},
        {.program = "first_word_echo", .args = {long_text}, .out = std::string(127, 'w') + "\n"},
        {.program = "first_word_echo", .args = {""}, .out = "\n"},
        {.program = "first_word_echo", .args = {" \t "}, .out = "\n"},
        {.program = "first_word_echo", .out = "\n", .note = "missing argument"},
        {.program = "first_word_echo", .args = {"a", "b"}, .out = "a\n"},

        {.program = "char_and_number_split", .args = {"a12"}, .out = "Inputs are a and 12\n"},
        {.program = "char_and_number_split", .args = {"-5"}, .out = "Inputs are - and 5\n"},
        {.program = "char_and_number_split", .args = {"7"}, .out = "Inputs are 7 and 0\n"},
        {.program = "char_and_number_split", .args = {"x 2147483648"}, .out = "Inputs are x and -2147483648\n"},
        {.program = "char_and_number_split", .args = {""}, .out = std::string("Inputs are \0 and 0\n", 19),
         .note = "empty argument: NUL and 0"},
        {.program = "char_and_number_split", .args = {long_text}, .out = "Inputs are w and 0\n"},
    };
}

const std::vector<Case> refusal_table = refusal_cases();
const std::vector<Case> report_table = report_cases();
const std::vector<Case> member_table = member_cases();

}  // namespace

HARNESS_TABLE(IntegerReporterRefusals, refusal_table);
HARNESS_TABLE(IntegerReporterConversions, report_table);
HARNESS_TABLE(IntegerReporterMembers, member_table);
