// Programs that print fixed text or fixed number sequences, mostly ignoring
// their arguments, and a few small oddities: a program that does nothing, one
// whose status is the length of its output, one that reads numbers from
// standard input.
#include <climits>
#include <string>

#include "harness/harness.hpp"

using harness::Case;
using harness::Run;

namespace {

std::string lines_from(int first, int last) {
    std::string s;
    for (int i = first; i <= last; i++) s += std::to_string(i) + "\n";
    return s;
}

const std::string listing =
    "Program:\n\t#include <stdio.h>\n\tint main() {\n\t\t// Code for target-specific optimizations goes here,\n"
    "\t\t// such as: \n\t\tif(x > 10){\n\t\t    tso = 1;}\n\t}";

const std::string squares =
    "1 squared is 1.000000\n2 squared is 4.000000\n3 squared is 9.000000\n"
    "4 squared is 16.000000\n5 squared is 25.000000\n";

const std::string pattern = "hel010101\nl01010101\noa = 5, b = \"hello\", c = 1819043176\n";

const std::string leet =
    "Input: hello\nModified string: Hello\nModified string: H3llo\nModified string: H3llo\n"
    "Modified string: H3llo\nModified string: H3llo\n";

const std::vector<Case> constant_table = {
    {.program = "empty_program", .args = {"x"}, .note = "prints nothing"},
    {.program = "one_to_ten_lines", .out = lines_from(1, 10)},
    {.program = "zero_to_nine_lines", .args = {"5"}, .out = lines_from(0, 9), .note = "arguments ignored"},
    {.program = "zero_to_999_lines", .out = lines_from(0, 999), .note = "1000 lines"},
    {.program = "looping_ten_times", .out = harness::repeat("Looping...\n", 10)},
    {.program = "hello_world_no_newline", .out = "Hello, World!", .note = "no final newline"},
    {.program = "fixed_comparison_line", .out = "5 is less than or equal to 10\n"},
    {.program = "program_listing_text", .out = listing, .status = 145, .note = "status is the byte count"},
    {.program = "null_read_fault", .status = 1, .note = "nothing printed, failure status"},
    {.program = "hello_world_suffix_line", .out = "Input:\nHello world\n"},
    {.program = "hello_leet_steps", .out = leet},
    {.program = "unset_input_output_echo", .out = "Input: \nOutput: \n", .note = "buffers are empty"},
    {.program = "unset_input_zero_length", .out = "Input: \nLength: 0\n", .note = "buffer is empty"},
    {.program = "cosh_table_three", .out = "cosh(1) = 1.543081\ncosh(2) = 3.762196\ncosh(3) = 10.067662\n"},
};

const std::vector<Case> argument_table = {
    // The usage line counts arguments and names the program as started.
    {.program = "leading_vowel_run_count", .out = "Usage: ./leading_vowel_run_count <string>\n", .status = 1,
     .note = "no argument"},
    {.program = "leading_vowel_run_count", .args = {"a", "b"}, .out = "Usage: /x/lv <string>\n", .status = 1,
     .argv0 = "/x/lv", .note = "two arguments"},
    {.program = "leading_vowel_run_count", .args = {"banana"},
     .out = "The input string \"banana\" contains 1 characters.\n", .note = "no leading vowel"},
    {.program = "leading_vowel_run_count", .args = {"AeB"}, .out = "The input string \"AeB\" contains 3 characters.\n",
     .note = "vowels of both cases"},
    {.program = "leading_vowel_run_count", .args = {""}, .out = "The input string \"\" contains 1 characters.\n"},

    {.program = "squares_after_arguments", .out = squares},
    {.program = "squares_after_arguments", .args = {"one", "two words"}, .out = "one\ntwo words\n" + squares,
     .note = "arguments first"},

    {.program = "hello_letters_pattern", .args = {"x"}, .out = pattern, .note = "no a-word"},
    {.program = "hello_letters_pattern", .args = {"x"}, .out = "abc\n" + pattern, .argv0 = "abc",
     .note = "invocation name counts"},
    {.program = "hello_letters_pattern", .args = {"b", "apple", "avocado"}, .out = "apple\n" + pattern,
     .note = "first a-word only"},
    {.program = "hello_letters_pattern", .args = {"b", "apple"}, .out = pattern, .note = "last word not looked at"},
    {.program = "hello_letters_pattern", .out = pattern, .argv0 = "abc", .note = "no argument: nothing looked at"},

    {.program = "five_number_slots", .out = "Input numbers:\n" + harness::repeat("Enter number 5:", 5)},
    {.program = "five_number_slots", .args = {"7", "-3"},
     .out = "Input numbers:\n7 -3 Enter number 5:Enter number 5:Enter number 5:"},
    {.program = "five_number_slots", .args = {"1", "2", "3", "4", "5", "6"}, .out = "Input numbers:\n1 2 3 4 5 ",
     .note = "sixth ignored"},

    {.program = "two_function_outputs", .args = {"21"},
     .out = "The output of the first function is 21\nThe output of the second function is 42\n"},
    {.program = "two_function_outputs", .args = {"2147483647"},
     .out = "The output of the first function is 2147483647\nThe output of the second function is -2\n",
     .note = "doubling wraps"},
    {.program = "two_function_outputs",
     .out = "The output of the first function is 0\nThe output of the second function is 0\n",
     .note = "missing argument reads as 0"},

    {.program = "wide_scan_argument_counts", .note = "no argument: nothing"},
    {.program = "wide_scan_argument_counts", .args = {"42", "x1", " -7", "+", ""},
     .out = "42: 1\nx1: 0\n -7: 1\n+: 0\n: 0\n"},

    {.program = "stdin_numbers_argument_words_sum", .out = "Sum: 0\n", .note = "no argument"},
    {.program = "stdin_numbers_argument_words_sum", .args = {"abcd", "ab"}, .out = "%%d\nInput %%d\nSum: 1684260034\n",
     .input = "1 2\n", .note = "words of four bytes, short padded with zero"},
    {.program = "stdin_numbers_argument_words_sum", .args = {"A"}, .out = "Input %%d\nSum: 65\n",
     .note = "input missing"},
    {.program = "stdin_numbers_argument_words_sum",
     .args = {"A", "A", "A", "A", "A", "A", "A", "A", "A", "A", "A"},
     .out = harness::repeat("%%d\n", 10) + "Sum: 650\n", .input = "1 2 3 4 5 6 7 8 9 10 11 12",
     .note = "past ten arguments: no Input line, eleventh ignored"},
    {.program = "stdin_numbers_argument_words_sum", .args = {"A", "A", "A", "A", "A", "A", "A", "A", "A", "A"},
     .out = harness::repeat("%%d\n", 9) + "Input %%d\nSum: 650\n", .note = "ten arguments"},
    {.program = "stdin_numbers_argument_words_sum", .args = {"\xff\xff\xff\x7f", "\x01"},
     .out = "%%d\nInput %%d\nSum: -2147483648\n", .note = "sum wraps"},
};

std::vector<Run> probe_runs() {
    const char* programs[] = {"leading_vowel_run_count", "squares_after_arguments", "hello_letters_pattern",
                              "five_number_slots", "two_function_outputs", "wide_scan_argument_counts",
                              "stdin_numbers_argument_words_sum"};
    const std::vector<std::vector<std::string>> extremes = {
        {"2147483647"}, {"-2147483648"}, {"99999999999999999999"}, {""}, {std::string(10000, 'a')}, {},
    };
    return harness::runs_over(programs, extremes, "99999999999999999999 -99999999999999999999");
}

const std::vector<Run> probe_table = probe_runs();

}  // namespace

HARNESS_TABLE(FixedOutputConstants, constant_table);
HARNESS_TABLE(FixedOutputArguments, argument_table);
HARNESS_PROBES(FixedOutputProbes, probe_table);
