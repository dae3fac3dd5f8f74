// Programs that measure their arguments (lengths, totals, the longest, vowels,
// comma tokens) or list the characters of the first one: refusals, limits,
// line formats, empty and missing arguments, and long texts.
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
        {.program = "bounded_input_length", .out = "Usage: ./program <string>\n", .status = 255, .note = "no argument"},
        {.program = "dup_length_report", .out = "Usage: ./dup_length_report input\n", .status = 1, .note = "no argument"},
        {.program = "dup_length_report", .args = {"a", "b"}, .out = "Usage: /x/dl input\n", .status = 1,
         .argv0 = "/x/dl", .note = "two arguments, invocation name as started"},
        {.program = "user_input_char_count", .out = "Please provide an input as argument\n", .status = 1},
        {.program = "user_input_char_count", .args = {"a", "b"}, .out = "Please provide an input as argument\n",
         .status = 1},
        {.program = "length_and_char_listing", .out = "Error: you need to pass at least one argument\n", .status = 1},
        {.program = "word_lengths_limit_ten", .args = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"},
         .out = "Error: too many arguments\n", .status = 1, .note = "ten arguments are a word count of 11"},
        {.program = "asserted_length_report", .status = 1, .note = "no argument: no length"},
        {.program = "asserted_length_report", .args = {"ab", "c"}, .status = 1, .note = "two arguments: no length"},
        {.program = "char_writer_incorrect_count", .out = "Error: incorrect number of arguments\n", .status = 1},
        {.program = "char_writer_incorrect_count", .args = {"a", "b"}, .out = "Error: incorrect number of arguments\n",
         .status = 1},
        {.program = "char_writer_single_argument", .out = "Please provide a single argument\n", .status = 1},
        {.program = "char_writer_single_argument", .args = {"a", "b"}, .out = "Please provide a single argument\n",
         .status = 1},
        {.program = "length_usage_stderr", .err = "Usage: ./length_usage_stderr <input>\n", .status = 1},
        {.program = "length_usage_stderr", .args = {"a", "b"}, .err = "Usage: /p/q <input>\n", .status = 1,
         .argv0 = "/p/q"},
        {.program = "vowel_counter", .out = "Usage: ./vowel_counter <input>\n", .status = 1},
        {.program = "vowel_counter", .args = {"a", "b"}, .out = "Usage: ./vowel_counter <input>\n", .status = 1},
    };
}

// ---------------------------------------------------------------------------
// Main paths.

std::vector<Case> member_cases() {
    const std::string l80(80, 'x'), l81(81, 'y'), l100(100, 'a'), l101(101, 'b'), l1000(1000, 'c'), l1001(1001, 'd');
    return {
        {.program = "bounded_input_length", .args = {"hello", "more"}, .out = "Input: hello\nLength: 5\n"},
        {.program = "bounded_input_length", .args = {std::string(254, 'k')},
         .out = "Input: " + std::string(254, 'k') + "\nLength: 254\n", .note = "the longest served"},
        {.program = "bounded_input_length", .args = {std::string(300, 'k')},
         .out = "Input: " + std::string(255, 'k') + "\nLength: 255\n", .note = "a longer argument is cut to 255"},
        {.program = "dup_length_report", .args = {"hello world"}, .out = "Length of input is 11\n"},
        {.program = "dup_length_report", .args = {""}, .out = "Length of input is 0\n"},
        {.program = "user_input_char_count", .args = {"abc d"},
         .out = "User Input: abc d\nNumber of characters in the input: 5\n"},
        {.program = "input_name_length_pair", .out = "Input:\nInput is not specified.\n"},
        {.program = "input_name_length_pair", .args = {"word", "x"}, .out = "Input:\nword: 4\n"},
        {.program = "length_and_char_listing", .args = {"ab"}, .out = "Length of 'ab': 2\nChar 0: a\nChar 1: b\n"},
        {.program = "length_and_char_listing", .args = {""}, .out = "Length of '': 0\n"},
        {.program = "inline_arguments_first_length", .args = {"ab", "cde"}, .out = "ab cde \nLength of input: 2"},
        {.program = "inline_arguments_first_length", .out = "\nLength of input: 0", .note = "missing argument"},
        {.program = "word_lengths_limit_ten", .args = {"1", "2", "3", "4", "5", "6", "7", "8", "9"},
         .out = "Argument 1: ./word_lengths_limit_ten (24 characters)\nArgument 2: 1 (1 characters)\n"
                "Argument 3: 2 (1 characters)\nArgument 4: 3 (1 characters)\nArgument 5: 4 (1 characters)\n"
                "Argument 6: 5 (1 characters)\nArgument 7: 6 (1 characters)\nArgument 8: 7 (1 characters)\n"
                "Argument 9: 8 (1 characters)\nArgument 10: 9 (1 characters)\n",
         .note = "nine arguments accepted"},
        {.program = "word_lengths_limit_ten", .args = {""}, .out = "Argument 1: p (1 characters)\nArgument 2:  (0 characters)\n",
         .argv0 = "p"},
        {.program = "line_length_limit_80", .args = {"one", l80},
         .out = "Input line 1: one\nInput line 2: " + l80 + "\n"},
        {.program = "line_length_limit_80", .args = {"one", l81, "three"},
         .out = "Input line 1: one\nError: input line 2 exceeds maximum length of 80 characters\n", .status = 1},
        {.program = "line_length_limit_80", .note = "no arguments"},
        {.program = "asserted_length_report", .args = {"abcd"}, .out = "4\n"},
        {.program = "char_writer_incorrect_count", .args = {"a b"}, .out = "a b"},
        {.program = "char_writer_single_argument", .args = {"xyz"}, .out = "xyz"},
        {.program = "length_usage_stderr", .args = {"four"}, .out = "Length of input: 4\n"},
        {.program = "digit_run_after_first", .args = {"x123y"}, .out = "Enter a number: 123"},
        {.program = "digit_run_after_first", .args = {"123"}, .out = "Enter a number: 23"},
        {.program = "digit_run_after_first", .args = {""}, .out = "Enter a number: ", .note = "empty argument"},
        {.program = "digit_run_after_first", .out = "Enter a number: ", .note = "missing argument"},
        {.program = "input_lines_limit_100", .args = {l100, l101, "c"}, .out = "Input 1: " + l100 + "\n"},
        {.program = "input_lines_limit_100", .args = {"a", ""}, .out = "Input 1: a\nInput 2: \n"},
        {.program = "argument_length_sentences", .args = {"ab", ""},
         .out = "Argument 1 is 'ab' and its length is 2\nArgument 2 is '' and its length is 0\n"},
        {.program = "argument_length_sentences", .note = "no arguments"},
        {.program = "word_next_length_pairs", .args = {"abc", "de"}, .out = "p: 3\nabc: 2\nArray length: 5\n",
         .argv0 = "p"},
        {.program = "word_next_length_pairs", .out = "Array length: 5\n"},
        {.program = "ten_short_arguments_puts", .args = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"},
         .out = "1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n", .note = "stops before the eleventh"},
        {.program = "ten_short_arguments_puts", .args = {l1000, l1001, "z"}, .out = l1000 + "\n",
         .note = "stops before one longer than 1000"},
        {.program = "per_position_lines_from_one", .args = {"abc"}, .out = "bc\nc\n\n"},
        {.program = "per_position_lines_from_one", .args = {""}},
        {.program = "total_argument_length", .args = {"ab", "", "cde"}, .out = "The length of the input is 5\n"},
        {.program = "total_argument_length", .out = "The length of the input is 0\n"},
        {.program = "per_character_lines", .args = {"abc"}, .out = "abc\nbc\nc\n"},
        {.program = "per_character_lines", .args = {""}},
        {.program = "longest_argument_length", .args = {"ab", "abcd", "a"},
         .out = "Maximum length of command-line arguments is 4\n"},
        {.program = "longest_argument_length", .out = "Maximum length of command-line arguments is 0\n"},
        {.program = "nonempty_char_writer", .args = {"hi there"}, .out = "hi there"},
        {.program = "nonempty_char_writer", .args = {""}},
        {.program = "numbered_position_lines", .args = {"abc"}, .out = "Argument 1: abc\nArgument 2: bc\nArgument 3: c\n"},
        {.program = "numbered_position_lines", .args = {""}},
        {.program = "argument_char_putchar", .args = {"q r"}, .out = "q r"},
        {.program = "argument_char_putchar", .args = {""}},
        {.program = "length_counter_lines", .args = {"abc"}, .out = "1\n2\n3\n"},
        {.program = "length_counter_lines", .args = {""}},
        {.program = "tail_chars_with_nul", .args = {"abc"}, .out = "bc" + nul},
        {.program = "tail_chars_with_nul", .args = {"a"}, .out = nul},
        {.program = "tail_chars_with_nul", .args = {""}, .note = "empty argument: nothing"},
        {.program = "plain_char_putchar", .args = {"plain"}, .out = "plain"},
        {.program = "plain_char_putchar", .args = {""}},
        {.program = "bare_length", .args = {"abcdef"}, .out = "6\n"},
        {.program = "bare_length", .args = {""}, .out = "0\n"},
        {.program = "length_sentence", .args = {"abc"}, .out = "The input is 3 characters long.\n"},
        {.program = "length_sentence", .args = {""}, .out = "The input is 0 characters long.\n"},
        {.program = "greeting_and_fresh_int", .args = {"Ann"}, .out = "Hello, Ann!\n0\n"},
        {.program = "greeting_and_fresh_int", .out = "Hello, (null)!\n0\n", .note = "missing argument"},
        {.program = "vowel_counter", .args = {"Education IS"}, .out = "Number of vowels: 6\n"},
        {.program = "vowel_counter", .args = {"xyz"}, .out = "Number of vowels: 0\n"},
        {.program = "vowel_counter", .args = {std::string(99, 'b') + "aaa"}, .out = "Number of vowels: 0\n",
         .note = "only the first 99 bytes are kept"},
        {.program = "vowel_counter", .args = {std::string(98, 'b') + "aaa"}, .out = "Number of vowels: 1\n"},
        {.program = "built_string_char_codes", .args = {"xxxxx", "ab", "c"},
         .out = "Input string: abc\nASCII code of a: 97\nASCII code of b: 98\nASCII code of c: 99\n"},
        {.program = "built_string_char_codes", .args = {"xx", "abc", "d"},
         .out = "Input string: ab\nASCII code of a: 97\nASCII code of b: 98\n", .note = "cut to the block"},
        {.program = "built_string_char_codes", .args = {"xx", "\xe9" "a"},
         .out = "Input string: \xe9" "a\nASCII code of \xe9: -23\nASCII code of a: 97\n",
         .note = "byte of 128 or more is a negative char"},
        {.program = "built_string_char_codes", .args = {"x"}, .out = "Input string: \n"},
        {.program = "built_string_char_codes", .out = "Input string: \n", .note = "missing argument"},
        // Members without a count check take a missing first argument as empty.
        {.program = "bare_length", .out = "0\n", .note = "missing argument"},
        {.program = "length_sentence", .out = "The input is 0 characters long.\n", .note = "missing argument"},
        {.program = "length_counter_lines", .note = "missing argument"},
        {.program = "tail_chars_with_nul", .note = "missing argument"},
        {.program = "plain_char_putchar", .note = "missing argument"},
        {.program = "per_position_lines_from_one", .note = "missing argument"},
        {.program = "comma_token_argument_count", .args = {",,"},
         .out = "Program has 0 arguments and can handle up to -1 arguments\n"},
        {.program = "comma_token_argument_count", .args = {"a,b", ",,c", "", ","},
         .out = "Program has 2 arguments and can handle up to 2 arguments\n"},
        {.program = "comma_token_argument_count", .out = "Program has 0 arguments and can handle up to -1 arguments\n"},
    };
}

// ---------------------------------------------------------------------------
// Extreme texts: every member must end normally.

const char* const members[] = {
    "bounded_input_length", "dup_length_report", "user_input_char_count", "input_name_length_pair",
    "length_and_char_listing", "inline_arguments_first_length", "word_lengths_limit_ten", "line_length_limit_80",
    "asserted_length_report", "char_writer_incorrect_count", "char_writer_single_argument", "length_usage_stderr",
    "digit_run_after_first", "input_lines_limit_100", "argument_length_sentences", "word_next_length_pairs",
    "ten_short_arguments_puts", "per_position_lines_from_one", "total_argument_length", "per_character_lines",
    "longest_argument_length", "nonempty_char_writer", "numbered_position_lines", "argument_char_putchar",
    "length_counter_lines", "tail_chars_with_nul", "plain_char_putchar", "bare_length", "length_sentence",
    "greeting_and_fresh_int", "vowel_counter", "built_string_char_codes", "comma_token_argument_count",
};

std::vector<Run> probe_runs() {
    const std::vector<std::vector<std::string>> extremes = {
        {}, {""}, {std::string(10000, 'a')}, {std::string(10000, 'e'), std::string(10000, '1')}, {"", ""},
    };
    return harness::runs_over(members, extremes);
}

const std::vector<Case> refusal_table = refusal_cases();
const std::vector<Case> member_table = member_cases();
const std::vector<Run> probe_table = probe_runs();

}  // namespace

HARNESS_TABLE(LengthReporterRefusals, refusal_table);
HARNESS_TABLE(LengthReporterMembers, member_table);
HARNESS_PROBES(LengthReporterProbes, probe_table);
