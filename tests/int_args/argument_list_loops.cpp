// Programs that walk their argument list, converting each argument to an int:
// sums over all or some of the arguments, one line per argument, and loops
// that stop at a marker argument. None checks the argument count.
#include <climits>
#include <string>
#include <vector>

#include "harness/harness.hpp"

using harness::Case;
using harness::Run;

namespace {

const std::string big = "99999999999999999999";  // strtol saturates; low 32 bits are -1

const std::vector<Case> sum_table = {
    {.program = "digit_led_total", .args = {"1", "22", "3x"}, .out = "The total is: 26\n"},
    {.program = "digit_led_total", .out = "The total is: 0\n", .note = "no argument"},
    {.program = "digit_led_total", .args = {"1", "-2", "3"}, .out = "Invalid input: -2\n", .status = 1,
     .note = "a sign is not a digit"},
    {.program = "digit_led_total", .args = {"1", "", "3"}, .out = "Invalid input: \n", .status = 1},
    {.program = "digit_led_total", .args = {" 4"}, .out = "Invalid input:  4\n", .status = 1},
    {.program = "digit_led_total", .args = {"2147483647", "1"}, .out = "The total is: -2147483648\n",
     .note = "wraps"},

    {.program = "sum_until_minus_n", .args = {"1", "2", "-n", "4"},
     .out = "The sum of the integers passed as arguments is: 3\n"},
    {.program = "sum_until_minus_n", .args = {"1", "-2", "-nx", "4"},
     .out = "The sum of the integers passed as arguments is: 3\n", .note = "only exactly -n stops"},
    {.program = "sum_until_minus_n", .out = "The sum of the integers passed as arguments is: 0\n"},

    {.program = "average_over_words", .args = {"4", "6"}, .out = "The average is: 3"},
    {.program = "average_over_words", .args = {"-7"}, .out = "The average is: -3", .note = "truncates"},
    {.program = "average_over_words", .out = "The average is: 0"},

    {.program = "sum_until_non_digit", .args = {"1", "2", "-3", "4"}, .out = "Sum of all arguments: 3\n"},
    {.program = "sum_until_non_digit", .args = {"5", "", "4"}, .out = "Sum of all arguments: 5\n"},
    {.program = "sum_until_non_digit", .args = {"7a", "8"}, .out = "Sum of all arguments: 15\n"},
    {.program = "sum_until_non_digit", .out = "Sum of all arguments: 0\n"},

    {.program = "first_ten_sum", .args = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "100"},
     .out = "Result: 55\n", .note = "eleventh ignored"},
    {.program = "first_ten_sum", .args = {"-4", "x", "6"}, .out = "Result: 2\n"},
    {.program = "first_ten_sum", .out = "Result: 0\n"},

    {.program = "digit_led_sum_skip", .args = {"1", "x", "2"}, .out = "The sum is: 3\n"},
    {.program = "digit_led_sum_skip", .args = {"-5", "+5", " 5", "5"}, .out = "The sum is: 5\n"},
    {.program = "digit_led_sum_skip", .out = "The sum is: 0\n"},

    {.program = "sum_after_first", .args = {"100", "2", "3"}, .out = "Sum: 5\n"},
    {.program = "sum_after_first", .args = {"100"}, .out = "Sum: 0\n"},
    {.program = "sum_after_first", .out = "Sum: 0\n", .note = "no first argument"},

    {.program = "single_or_tail_sum", .args = {"7"}, .out = "7\n"},
    {.program = "single_or_tail_sum", .args = {"7", "2", "3"}, .out = "5\n"},
    {.program = "single_or_tail_sum", .out = "0\n"},

    {.program = "even_argument_sum", .args = {"1", "2", "-4", "7", "x"}, .out = "Sum of even numbers: -2\n"},
    {.program = "even_argument_sum", .args = {"-3"}, .out = "Sum of even numbers: 0\n"},
    {.program = "even_argument_sum", .args = {"-2147483648", "2"}, .out = "Sum of even numbers: -2147483646\n"},

    {.program = "strtol_total", .args = {"10", " -3", "+5z"}, .out = "The sum of the input values is: 12\n"},
    {.program = "strtol_total", .args = {big, "1"}, .out = "The sum of the input values is: 0\n",
     .note = "low 32 bits of a saturated long"},
    {.program = "strtol_total", .args = {"4294967297"}, .out = "The sum of the input values is: 1\n"},
    {.program = "strtol_total", .out = "The sum of the input values is: 0\n"},
};

const std::vector<Case> line_table = {
    {.program = "strtol_lines", .args = {"12", "-3x", "abc", "4294967297", big}, .out = "12\n-3\n0\n1\n-1\n"},
    {.program = "strtol_lines", .out = ""},

    {.program = "parity_per_argument", .args = {"3", "-3", "0", "x", "-2147483648"},
     .out = "3 is odd\n-3 is odd\n0 is even\n0 is even\n-2147483648 is even\n"},
    {.program = "parity_per_argument", .out = ""},

    {.program = "label_value_lines", .args = {"12ab", "x", "%s", ""}, .out = "12ab: 12\nx: 0\n%s: 0\n: 0\n"},
    {.program = "label_value_lines", .out = ""},

    {.program = "value_per_line", .args = {"5", " -6", "q", "2147483648"}, .out = "5\n-6\n0\n-2147483648\n"},
    {.program = "value_per_line", .out = ""},

    {.program = "shifted_label_pairs", .args = {"a", "7"}, .out = "a: 7\n"},
    {.program = "shifted_label_pairs", .args = {"a", "7", "b", "9"}, .out = "a: 7\n7: 0\nb: 9\n"},
    {.program = "shifted_label_pairs", .args = {"a"}, .out = ""},
    {.program = "shifted_label_pairs", .out = ""},

    {.program = "first_of_pairs", .args = {"1", "2", "3"}, .out = "1\n"},
    {.program = "first_of_pairs", .args = {"1", "2", "3", "4"}, .out = "1\n3\n"},
    {.program = "first_of_pairs", .args = {"1"}, .out = ""},

    {.program = "inputs_until_minus_one", .args = {"0", "5", "-1", "7"}, .out = "Input 2: 5\n"},
    {.program = "inputs_until_minus_one", .args = {"0", "a", "-1x", "7"}, .out = "Input 2: a\n",
     .note = "-1 by value, not text"},
    {.program = "inputs_until_minus_one", .args = {"-1", "a", "b", "c", "d", "e", "f", "g", "h", "i", "j"},
     .out = "Input 2: a\nInput 3: b\nInput 4: c\nInput 5: d\nInput 6: e\nInput 7: f\nInput 8: g\nInput 9: h\n"
            "Input 10: i\n",
     .note = "first not used; stops at position 10"},
    {.program = "inputs_until_minus_one", .args = {"0", "4294967295", "99999999999999999999", "-1"},
     .out = "Input 2: 4294967295\nInput 3: 99999999999999999999\n",
     .note = "values whose low 32 bits are -1 go on; only -1 itself ends the loop"},
    {.program = "inputs_until_minus_one", .args = {"x"}, .out = ""},
    {.program = "inputs_until_minus_one", .out = "", .note = "no first argument"},
};

const std::vector<Case> member_table = {
    {.program = "odd_before_last_check", .args = {"3", "4"}, .out = "Is the input odd? yes\n"},
    {.program = "odd_before_last_check", .args = {"4", "3"}, .out = "Is the input odd? no\n"},
    {.program = "odd_before_last_check", .args = {"-3", "4"}, .out = "Is the input odd? no\n"},
    {.program = "odd_before_last_check", .args = {"2", "5", "2", "1"}, .out = "Is the input odd? yes\n"},
    {.program = "odd_before_last_check", .args = {"3"}, .out = "Is the input odd? no\n"},
    {.program = "odd_before_last_check", .out = "Is the input odd? no\n"},

    {.program = "option_warning_status", .args = {"5", "x", "y", "z"}, .out = "Unknown option: x\n", .status = 5},
    {.program = "option_warning_status", .args = {"3", "a", "-h", "b", "c", "d"}, .out = "Unknown option: a\n",
     .status = 3, .note = "stops at -h"},
    {.program = "option_warning_status", .args = {"2", "a", "b", "c", "d", "e"},
     .out = "Unknown option: a\nUnknown option: b\n", .status = 2, .note = "positions 2 to 3 of 6"},
    {.program = "option_warning_status", .args = {"-1", "a", "b"}, .status = 255, .note = "none below 4"},
    {.program = "option_warning_status", .args = {"258"}, .status = 2, .note = "modulo 256"},
    {.program = "option_warning_status", .args = {"x"}, .status = 0},
    {.program = "option_warning_status", .status = 0, .note = "no first argument"},

    {.program = "doubled_last_value", .args = {"1", "2", "21"}, .out = "The value of n is 42\n"},
    {.program = "doubled_last_value", .args = {"-5", "x"}, .out = "The value of n is 0\n"},
    {.program = "doubled_last_value", .args = {"1073741824"}, .out = "The value of n is -2147483648\n",
     .note = "wraps"},
    {.program = "doubled_last_value", .out = "The value of n is 0\n", .note = "no argument"},

    {.program = "initials_after_first", .args = {"9", "hello", "world", "!"}, .out = "hw!\n"},
    {.program = "initials_after_first", .args = {"9", "ab", "", "cd"}, .out = "a\n", .note = "empty stops"},
    {.program = "initials_after_first", .args = {"9"}, .out = "\n"},
    {.program = "initials_after_first", .out = "\n"},
};

std::vector<Run> probe_runs() {
    const char* programs[] = {
        "odd_before_last_check", "option_warning_status", "inputs_until_minus_one", "digit_led_total",
        "strtol_lines", "sum_until_minus_n", "parity_per_argument", "average_over_words",
        "sum_until_non_digit", "first_ten_sum", "shifted_label_pairs", "digit_led_sum_skip",
        "sum_after_first", "single_or_tail_sum", "even_argument_sum", "strtol_total",
        "label_value_lines", "doubled_last_value", "initials_after_first", "first_of_pairs", "value_per_line",
    };
    const std::vector<std::vector<std::string>> extremes = {
        {},
        {""},
        {"", ""},
        {"2147483647", "2147483647", "2147483647"},
        {"-2147483648", "-2147483648", "-1"},
        {big, "-" + big, big},
        {std::string(10000, '7'), std::string(10000, 'x'), ""},
        std::vector<std::string>(300, "2147483647"),
    };
    return harness::runs_over(programs, extremes);
}

const std::vector<Run> probe_table = probe_runs();

}  // namespace

HARNESS_TABLE(ArgumentListSums, sum_table);
HARNESS_TABLE(ArgumentListLines, line_table);
HARNESS_TABLE(ArgumentListMembers, member_table);
HARNESS_PROBES(ArgumentListProbes, probe_table);
