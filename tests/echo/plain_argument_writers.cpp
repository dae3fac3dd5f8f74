// Programs that write their arguments back without labels: one per line, run
// together, or character by character, over a range of words and a filter.
#include <string>
#include <vector>

#include "harness/harness.hpp"

using harness::Case;
using harness::Run;

namespace {

const std::string long_text = harness::repeat("x", 10000);

const std::vector<Case> table = {
    {.program = "command_line_input_puts", .out = "Please provide input through the command line.\n",
     .note = "no argument: request, status 0"},
    {.program = "command_line_input_puts", .args = {"a b", "", "-c"}, .out = "Input from command line:\na b\n\n-c\n",
     .note = "heading and one line per argument"},

    {.program = "puts_from_second_argument", .out = "Please provide at least one command line argument.\n",
     .note = "no argument: request, status 0"},
    {.program = "puts_from_second_argument", .args = {"one"}, .out = "", .note = "one argument: nothing"},
    {.program = "puts_from_second_argument", .args = {"one", "two", "three"}, .out = "two\nthree\n",
     .note = "from the second on"},

    {.program = "non_option_puts", .args = {"a", "-", "-x", "b-c", ""}, .out = "a\nb-c\n\n",
     .note = "skips words beginning with a dash, lone dash included"},
    {.program = "non_option_puts", .out = "", .note = "no argument"},

    {.program = "required_arguments_puts", .out = "Error: Not enough input arguments provided.\n", .status = 1,
     .note = "no argument refused"},
    {.program = "required_arguments_puts", .args = {"x", "y z"}, .out = "x\ny z\n", .note = "every argument"},

    {.program = "arguments_puts_or_request", .out = "Please provide an argument!\n", .status = 1,
     .note = "no argument refused"},
    {.program = "arguments_puts_or_request", .args = {"x", ""}, .out = "x\n\n", .note = "every argument"},

    {.program = "later_arguments_puts", .out = "Please provide an input.\n", .status = 255,
     .note = "no argument: status 255"},
    {.program = "later_arguments_puts", .args = {"x"}, .out = "", .note = "one argument: nothing"},
    {.program = "later_arguments_puts", .args = {"x", "y", "z"}, .out = "y\nz\n", .note = "from the second on"},

    {.program = "joined_arguments_fputs", .args = {"ab", "", "c d"}, .out = "abc d", .note = "joined, no newline"},
    {.program = "joined_arguments_fputs", .out = "", .note = "no argument"},

    {.program = "words_until_dash_puts", .args = {"a", "b", "-c", "d"}, .out = "./words_until_dash_puts\na\nb\n",
     .note = "stops before the first dash word"},
    {.program = "words_until_dash_puts", .args = {"a"}, .out = "", .argv0 = "-name",
     .note = "invocation name beginning with a dash"},

    {.program = "first_ten_arguments_puts",
     .args = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"},
     .out = "1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n", .note = "at most ten"},
    {.program = "first_ten_arguments_puts", .args = {"1", "2"}, .out = "1\n2\n", .note = "fewer than ten"},

    {.program = "first_three_arguments_puts", .args = {"1", "2", "3", "4", "5"}, .out = "1\n2\n3\n",
     .note = "five arguments: three lines"},
    {.program = "first_three_arguments_puts", .args = {"1", "2"}, .out = "1\n2\n", .note = "two arguments: two lines"},

    {.program = "ten_fixed_arguments_puts",
     .args = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"},
     .out = "1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n", .note = "ten lines"},
    {.program = "ten_fixed_arguments_puts", .args = {"1", "2"}, .out = "1\n2\n",
     .note = "fewer than ten: the ones there are"},

    {.program = "words_but_last_puts", .args = {"a"}, .out = "./words_but_last_puts\n",
     .note = "one argument: the invocation name"},
    {.program = "words_but_last_puts", .args = {"a", "b", "c"}, .out = "./words_but_last_puts\na\nb\n",
     .note = "all but the last"},
    {.program = "words_but_last_puts", .out = "", .note = "no argument: nothing"},

    {.program = "arguments_but_last_puts", .args = {"a"}, .out = "", .note = "one argument: nothing"},
    {.program = "arguments_but_last_puts", .args = {"a", "b", "c"}, .out = "a\nb\n", .note = "all but the last"},

    {.program = "all_words_puts", .args = {"a", ""}, .out = "/x/name\na\n\n", .argv0 = "/x/name",
     .note = "invocation name and every argument"},

    {.program = "argument_byte_writer", .args = {"abc", "Xy", "9"}, .out = "aX9",
     .note = "first byte of each argument"},
    {.program = "argument_byte_writer", .args = {"a", ""}, .out = std::string("a\0", 2),
     .note = "empty argument: its terminating byte"},

    {.program = "first_char_hex_codes", .args = {"A", "bc"}, .out = "ASCII value of A is 0x41\nASCII value of b is 0x62\n",
     .note = "first character and its code"},
    {.program = "first_char_hex_codes", .args = {"\xe9t"}, .out = "ASCII value of \xe9 is 0xffffffe9\n",
     .note = "byte of 128 or more is negative"},

    {.program = "argument_char_lines", .args = {"ab c"}, .out = "a\nb\n \nc\n", .note = "one line per character"},
    {.program = "argument_char_lines", .out = "", .note = "no argument: nothing"},

    {.program = "argument_char_writer", .args = {"ab c", "d"}, .out = "ab c", .note = "first argument, no newline"},
    {.program = "argument_char_writer", .out = "", .note = "no argument: nothing"},

    {.program = "repeated_argument_writer", .args = {"ab"}, .out = harness::repeat("ab", 1024),
     .note = "1024 times"},
    {.program = "repeated_argument_writer", .args = {""}, .out = "", .note = "empty argument: nothing"},
    {.program = "repeated_argument_writer", .out = "", .note = "no argument: nothing"},

    {.program = "ten_char_prefix_writer", .out = "Please provide at least one argument\n", .note = "no argument, status 0"},
    {.program = "ten_char_prefix_writer", .args = {"abcdefghijklmno"}, .out = "abcdefghij\n",
     .note = "first ten characters"},
    {.program = "ten_char_prefix_writer", .args = {"abc", "d"}, .out = "abc\n", .note = "shorter argument"},

    {.program = "short_copy_empty_line", .out = "\n", .note = "no argument: empty line"},
    {.program = "short_copy_empty_line", .args = {"abcdefghijk", "xy"}, .out = "xy\n",
     .note = "start of the last argument"},
    {.program = "short_copy_empty_line", .args = {"abcdefghijk"}, .out = "abcdefgh\n", .note = "at most 8 bytes"},

    {.program = "capital_doubling_echo", .args = {"ab", "Cd"}, .out = "abCCd\nCCd\n",
     .note = "capital doubled, word before runs on"},
    {.program = "capital_doubling_echo", .args = {"x", "Ab", "Cd", "e"}, .out = "xAAbCCd\nAAbCCd\nCCd\ne\n",
     .note = "chained run-on"},
    {.program = "capital_doubling_echo", .args = {"", "Ab", "a"}, .out = "AAb\nAAb\na\n",
     .note = "empty word before a capital; lower case unchanged"},

    {.program = "apostrophe_first_char_echo", .args = {"hello", "world"}, .out = "Input: 'ello\n",
     .note = "first character replaced"},
    {.program = "apostrophe_first_char_echo", .args = {"", "b"}, .out = "Input: \n",
     .note = "empty argument left as it is"},
    {.program = "apostrophe_first_char_echo", .out = "Input: (null)\n", .note = "no argument"},

    {.program = "vectorization_heading_puts",
     .out = "This is a program in C with all includes. Input is taken via argv only.\nLoop Vectorization:\n",
     .note = "no argument: headings only"},
    {.program = "vectorization_heading_puts", .args = {"a", "b"},
     .out = "This is a program in C with all includes. Input is taken via argv only.\nLoop Vectorization:\n"
            "./vectorization_heading_puts\na\n",
     .note = "invocation name and all but the last"},

    {.program = "single_argument_header_trailer", .args = {"only"},
     .out = "Including headers...\nonly\nMiddle end completed.\n", .note = "exactly one argument"},
    {.program = "single_argument_header_trailer", .args = {"a", "b"},
     .out = "Including headers...\nMiddle end completed.\n", .note = "two arguments: fixed lines only"},
    {.program = "single_argument_header_trailer", .out = "Including headers...\nMiddle end completed.\n",
     .note = "no argument: fixed lines only"},

    {.program = "digit_led_arguments_puts", .args = {"1a", "b", "2"}, .out = "1a\nInvalid input. Please enter only digits.",
     .status = 1, .note = "refusal after what was written"},
    {.program = "digit_led_arguments_puts", .args = {"0", "9x"}, .out = "0\n9x\n", .note = "only the first character"},
    {.program = "digit_led_arguments_puts", .args = {""}, .out = "Invalid input. Please enter only digits.",
     .status = 1, .note = "empty argument refused"},
    {.program = "digit_led_arguments_puts", .out = "", .note = "no argument"},
};

HARNESS_TABLE(PlainArgumentWriters, table);

const char* const programs[] = {
    "command_line_input_puts", "puts_from_second_argument", "non_option_puts", "required_arguments_puts",
    "arguments_puts_or_request", "later_arguments_puts", "joined_arguments_fputs", "words_until_dash_puts",
    "first_ten_arguments_puts", "first_three_arguments_puts", "ten_fixed_arguments_puts", "words_but_last_puts",
    "arguments_but_last_puts", "all_words_puts", "argument_byte_writer", "first_char_hex_codes",
    "argument_char_lines", "argument_char_writer", "repeated_argument_writer", "ten_char_prefix_writer",
    "short_copy_empty_line", "capital_doubling_echo", "apostrophe_first_char_echo", "vectorization_heading_puts",
    "single_argument_header_trailer", "digit_led_arguments_puts",
};

std::vector<Run> probes() {
    std::vector<Run> runs;
    for (const char* p : programs) {
        runs.push_back({.program = p});
        runs.push_back({.program = p, .args = {""}});
        runs.push_back({.program = p, .args = {long_text, "", "A" + long_text}});
        runs.push_back({.program = p, .args = {"", "B", "", "C"}});
    }
    return runs;
}

HARNESS_PROBES(PlainArgumentWritersProbes, probes());

}  // namespace
