// Integer-argument programs whose work is on text: first words copied into
// fixed buffers, pattern scans, walks over characters and buffers sized by an
// integer argument.
#include <algorithm>
#include <regex>
#include <string>
#include <vector>

#include "harness/harness.hpp"

using harness::Case;
using harness::Run;
using harness::repeat;

namespace {

const std::string big = "99999999999999999999";  // strtol saturates; low 32 bits are -1
const std::string long_word = std::string(300, 'w');

const std::vector<Case> buffer_table = {
    {.program = "digit_bytes_output", .args = {"8", "200", "456", "7"}, .out = "Output: \xC8\xC8\n",
     .note = "byte k keeps the low byte of value k; a byte without its top bit ends the text"},
    {.program = "digit_bytes_output", .args = {"8", "200", "200", "51400"}, .out = "Output: \xC8\xC8\xC8\xC8\n",
     .note = "the last store's upper bytes stay"},
    {.program = "digit_bytes_output", .args = {"3", "200", "200", "51400"}, .out = "Output: \xC8\xC8\xC8\n",
     .note = "stores cut at the end of a small buffer"},
    {.program = "digit_bytes_output", .args = {"0", "200"}, .out = "Output: \n"},
    {.program = "digit_bytes_output", .args = {"2147483647", "255"}, .out = "Output: \xFF\n", .note = "huge size"},
    {.program = "digit_bytes_output", .args = {"8", "5", "x9"}, .out = "Invalid argument: x9\n", .status = 1},
    {.program = "digit_bytes_output", .out = "Output: \n"},

    {.program = "hex_count_table", .args = {"2", "ls"},
     .out = "BASH: ls\nHexadecimal constant: 0x0\nHexadecimal constant: 0x1\n"},
    {.program = "hex_count_table", .args = {"1"}, .out = "BASH: (null)\nHexadecimal constant: 0x0\n",
     .note = "missing argument 2"},
    {.program = "hex_count_table", .args = {"0", "x"}, .out = "Error: input must be a positive integer.\n", .status = 1},
    {.program = "hex_count_table", .out = "Error: input must be a positive integer.\n", .status = 1},

    {.program = "vowel_led_copy", .args = {"3", "apple"},
     .out = "Original string: app\nOptimized string: app\nInput string: apple\n"},
    {.program = "vowel_led_copy", .args = {"10", "pear"},
     .out = "Original string: pear\nOptimized string: \nInput string: pear\n"},
    {.program = "vowel_led_copy", .args = {"-4", "egg"},
     .out = "Original string: \nOptimized string: \nInput string: egg\n"},
    {.program = "vowel_led_copy", .args = {"2147483647", "Egg"},
     .out = "Original string: Egg\nOptimized string: \nInput string: Egg\n", .note = "only lowercase vowels"},
    {.program = "vowel_led_copy", .out = "Original string: \nOptimized string: \nInput string: \n"},

    {.program = "memory_range_dump", .args = {"3", "5"}, .out = "Memory allocated at 0x5 bytes:\n0x00 0x00 \n"},
    {.program = "memory_range_dump", .args = {"7", "7"}, .out = "Memory allocated at 0x7 bytes:\n\n"},
    {.program = "memory_range_dump", .args = {"-2", "65534"},
     .out = "Error: Memory allocation not supported for this size.\n", .status = 1},
    {.program = "memory_range_dump", .args = {"0", "65535"}, .out = "Memory allocated at 0xFFFF bytes:\n" +
     repeat("0x00 ", 65535) + "\n", .note = "largest size"},
    {.program = "memory_range_dump", .args = {"5", "3"}, .out = "Error: Failed to allocate memory.\n", .status = 2},
    {.program = "memory_range_dump", .args = {"-2147483648", "2147483647"},
     .out = "Error: Failed to allocate memory.\n", .status = 2, .note = "size wraps to 0"},
    {.program = "memory_range_dump", .args = {"2147483647", "-2147483648"},
     .out = "Memory allocated at 0x80000000 bytes:\n0x00 \n", .note = "size wraps to 2"},

    {.program = "raw_buffer_bytes", .args = {"3"}, .out = "0 0 0 "},
    {.program = "raw_buffer_bytes", .args = {"abc"}, .out = "", .note = "no number: n = 0"},
    {.program = "raw_buffer_bytes", .args = {"-2"}, .out = "", .note = "a count below 1 prints nothing, as 0 does"},
    {.program = "raw_buffer_bytes", .args = {"1048577"}, .out = repeat("0 ", 1048577),
     .note = "a size above 1 MiB still prints its n bytes"},
    {.program = "raw_buffer_bytes", .out = "Usage: ./raw_buffer_bytes [n]\n", .status = 1},
    {.program = "raw_buffer_bytes", .args = {"1", "2"}, .out = "Usage: ./raw_buffer_bytes [n]\n", .status = 1},

    {.program = "bounded_prefix_print", .args = {"4", "hello"}, .out = "hel"},
    {.program = "bounded_prefix_print", .args = {"-3", "hello"}, .out = ""},
    {.program = "bounded_prefix_print", .args = {"2147483647", "hi"}, .out = "hi"},
    {.program = "bounded_prefix_print", .args = {"5"}, .out = "", .note = "missing text"},

    {.program = "square_or_copy_address", .args = {"-7"}, .out = "The square of -7 is 49.\n"},
    {.program = "square_or_copy_address", .args = {"65536"}, .out = "The square of 65536 is 0.\n", .note = "wraps"},
    {.program = "square_or_copy_address", .out = "Invalid input\n"},
    {.program = "square_or_copy_address", .args = {"1", "2"}, .out = "Invalid input\n"},

    {.program = "doubled_with_text", .args = {"21", "half"}, .out = "42 half\n"},
    {.program = "doubled_with_text", .args = {"1073741824", "x"}, .out = "-2147483648 x\n", .note = "wraps"},
    {.program = "doubled_with_text", .args = {big, "x"}, .out = "-2 x\n", .note = "low 32 bits of 2 LONG_MAX"},
    {.program = "doubled_with_text", .args = {"3"}, .out = "6 (null)\n"},
    {.program = "doubled_with_text", .out = "Please provide at least one argument\n", .status = 1},
};

const std::vector<Case> word_table = {
    {.program = "first_word_copies", .args = {"  one two", "", "  ", "three"}, .out = "one\n\n\nthree\n",
     .note = "no word: empty copy"},

    {.program = "short_word_parity", .args = {"3", "123456789", "4"}, .out = "3 is odd.\n"},
    {.program = "short_word_parity", .args = {"3", " ", "12345678"}, .out = "12345678 is even.\n",
     .note = "no word keeps the field; 8 characters still visited"},
    {.program = "short_word_parity", .args = {"-5"}, .out = "-5 is odd.\n"},
    {.program = "short_word_parity", .out = "0 is even.\n"},

    {.program = "pattern_scan_input", .args = {"abc"}, .out = "Error: malformed input\n", .status = 1},
    {.program = "pattern_scan_input", .args = {"   "}, .out = "Error: malformed input\n", .status = 1},
    {.program = "pattern_scan_input", .args = {""}, .out = "Error: missing input\n", .status = 1},
    {.program = "pattern_scan_input", .out = "Error: missing input\n", .status = 1},

    {.program = "asserted_first_word", .args = {" hi there", "x"}, .out = "Input: hi\n"},
    {.program = "asserted_first_word", .args = {long_word, "x"}, .out = "Input: " + std::string(255, 'w') + "\n"},
    {.program = "asserted_first_word", .args = {"", "x"}, .out = "Input: \n"},
    {.program = "asserted_first_word", .args = {"hi"}, .err = "Usage: ./asserted_first_word <word> <argument>\n",
     .status = 1},
    {.program = "asserted_first_word", .args = {"a", "b", "c"},
     .err = "Usage: ./asserted_first_word <word> <argument>\n", .status = 1},

    {.program = "copied_atoi_echo", .args = {" -42x"}, .out = "-42\n"},
    {.program = "copied_atoi_echo", .args = {std::string(99, '0') + "7"}, .out = "0\n",
     .note = "copy keeps 99 characters"},
    {.program = "copied_atoi_echo", .args = {big}, .out = "-1\n"},
    {.program = "copied_atoi_echo", .out = "0\n"},

    {.program = "scanned_word_echo", .args = {"  hi there"}, .out = "Input: hi\n"},
    {.program = "scanned_word_echo", .args = {long_word}, .out = "Input: " + std::string(255, 'w') + "\n"},
    {.program = "scanned_word_echo", .args = {" "}, .out = "Input: \n"},
    {.program = "scanned_word_echo", .out = "Error: Invalid number of arguments\n", .status = 1},
    {.program = "scanned_word_echo", .args = {"a", "b"}, .out = "Error: Invalid number of arguments\n", .status = 1},

    {.program = "single_word_input", .args = {"hi there"}, .out = "Input: hi\n"},
    {.program = "single_word_input", .args = {long_word}, .out = "Input: " + std::string(99, 'w') + "\n"},
    {.program = "single_word_input", .args = {""}, .out = "Input: \n"},
    {.program = "single_word_input", .out = "Error: Expecting 1 argument.\n", .status = 1},
    {.program = "single_word_input", .args = {"a", "b"}, .out = "Error: Expecting 1 argument.\n", .status = 1},

    {.program = "last_word_message", .args = {"a b", "c d", " "}, .out = "Message: c\n",
     .note = "an argument without a word keeps the last"},
    {.program = "last_word_message", .args = {long_word}, .out = "Message: " + std::string(99, 'w') + "\n"},
    {.program = "last_word_message", .out = "Message: \n"},

    {.program = "last_input_string", .args = {"a b", "c d", ""}, .out = "The input string is: c\n"},
    {.program = "last_input_string", .args = {long_word},
     .out = "The input string is: " + std::string(255, 'w') + "\n"},
    {.program = "last_input_string", .out = "The input string is: \n"},

    {.program = "words_until_failure", .args = {" a b", "c", "", "d"}, .out = "a\nc\n"},
    {.program = "words_until_failure", .args = {long_word}, .out = std::string(255, 'w') + "\n"},
};

const std::vector<Case> walk_table = {
    {.program = "digit_args_printable_sum", .args = {"5", "3", "out"}, .out = "5 3 The sum is 1000 in binary format.\n"},
    {.program = "digit_args_printable_sum", .args = {"-1", "-1", "out"},
     .out = "The sum is 11111111111111111111111111111110 in binary format.\n", .note = "32-bit pattern"},
    {.program = "digit_args_printable_sum", .args = {"0", "0", "x"}, .out = "0 0 The sum is 0 in binary format.\n"},
    {.program = "digit_args_printable_sum", .args = {"2147483647", "0000000001", "x"},
     .out = "2147483647 1 The sum is 10000000000000000000000000000000 in binary format.\n", .note = "wraps"},
    {.program = "digit_args_printable_sum", .args = {"12", "x3", "9"}, .out = "12 The sum is 1100 in binary format.\n",
     .note = "listing stops at x3"},
    {.program = "digit_args_printable_sum", .args = {"123", "45", "x"},
     .out = "123 45 Invalid input. Please enter only printable ASCII characters.", .status = 1,
     .note = "argument 2 shorter than argument 1"},
    {.program = "digit_args_printable_sum", .args = {"1", "\t", "x"},
     .out = "1 Invalid input. Please enter only printable ASCII characters.", .status = 1},
    {.program = "digit_args_printable_sum", .args = {"7", "8"}, .out = "7 8 Usage: ./digit_args_printable_sum INPUT1 INPUT2 OUTPUT\n",
     .status = 1},
    {.program = "digit_args_printable_sum", .out = "Usage: ./digit_args_printable_sum INPUT1 INPUT2 OUTPUT\n", .status = 1},

    {.program = "number_and_uppercase", .args = {"123abc"}, .out = "Input: 123abc \nNumber: 123 \nModified Input: 123abc \n"},
    {.program = "number_and_uppercase", .args = {"12x"},
     .out = "Input: 12x \nInput is not a number.\nModified Input: 12x \n"},
    {.program = "number_and_uppercase", .args = {big}, .out = "Input: " + big + " \nNumber: -1 \nModified Input: " + big + " \n"},
    {.program = "number_and_uppercase", .out = "Error: Expected 1 argument.\n", .status = 1},
    {.program = "number_and_uppercase", .args = {"1", "a"}, .out = "Error: Expected 1 argument.\n", .status = 1},

    {.program = "truefalse_tokens", .args = {"hello"}, .out = "H\nO\n"},
    {.program = "truefalse_tokens", .args = {"stress"}, .out = ""},
    {.program = "truefalse_tokens", .args = {"0x1"}, .err = "Invalid input: 0x1. Please enter true or false.\n", .status = 2},
    {.program = "truefalse_tokens", .args = {"-1"}, .err = "Invalid input: -1. Please enter true or false.\n", .status = 2},
    {.program = "truefalse_tokens", .err = "Usage: ./truefalse_tokens input\n", .status = 1},

    {.program = "digit_string_walk", .args = {"3"}, .out = ""},
    {.program = "digit_string_walk", .args = {"12345"}, .out = "", .note = "values above 3"},
    {.program = "digit_string_walk", .args = {""}, .out = ""},
    {.program = "digit_string_walk", .args = {"-3"}, .out = "Invalid input. Please enter a valid integer.\n", .status = 1},
    {.program = "digit_string_walk", .args = {"1 2"}, .out = "Invalid input. Please enter a valid integer.\n", .status = 1},
    {.program = "digit_string_walk", .out = "Usage: ./digit_string_walk input\n", .status = 1},

    {.program = "function_name_flags", .args = {"main", "5", "10", "fprintf"},
     .out = "Main function called.\n5 | 10 = 15\nFprintf function called.\n"},
    {.program = "function_name_flags", .args = {"Main", "-8", "x", "printf", "extra"},
     .out = "No main function found.\n-8 | 0 = -8\nNo fprintf function found.\n"},
    {.program = "function_name_flags", .args = {"main", "1", "2"}, .err = "Usage: ./function_name_flags filename\n",
     .status = 1},

    {.program = "expression_token_kinds", .args = {"a1$"}, .out = "Character: a\nNumber: 1\nVariable: a1$\n"},
    {.program = "expression_token_kinds", .args = {"12 +"},
     .out = "Number: 12\nNumber: 2\nInvalid character:  \nInvalid character: +\n"},
    {.program = "expression_token_kinds", .args = {"4294967297"},
     .out = "Number: 1\nNumber: 294967297\nNumber: 94967297\nNumber: 4967297\nNumber: 967297\nNumber: 67297\n"
            "Number: 7297\nNumber: 297\nNumber: 97\nNumber: 7\n",
     .note = "value cut to 32 bits"},
    {.program = "expression_token_kinds", .args = {""}, .out = ""},
    {.program = "expression_token_kinds", .out = "Usage: ./expression_token_kinds <expression>\n", .status = 1},

    {.program = "target_arch_sum", .args = {"x86", "2147483647", "1"}, .out = "-2147483648\n"},
    {.program = "target_arch_sum", .args = {"arm", "60", "5"}, .out = "A\n"},
    {.program = "target_arch_sum", .args = {"arm", "321", "0"}, .out = "A\n", .note = "low byte of the sum"},
    {.program = "target_arch_sum", .args = {"x86"}, .out = "0\n"},
    {.program = "target_arch_sum", .args = {"X86", "1", "2"},
     .out = "Invalid target architecture. Please provide either 'x86' or 'arm'.\n"},
    {.program = "target_arch_sum", .out = "Invalid target architecture. Please provide either 'x86' or 'arm'.\n"},

    {.program = "foo_bar_counter", .args = {"foo", "foo", "bar"}, .out = "x = 0, y = 1\n"},
    {.program = "foo_bar_counter", .args = {"7"}, .out = "x = 7, y = 0\n"},
    {.program = "foo_bar_counter", .args = {"7", "8"}, .out = "x = 0, y = 0\n"},
    {.program = "foo_bar_counter", .out = "x = 0, y = 0\n"},

    {.program = "xyz_key_values", .args = {"x", "y", "12z", "z", "x"}, .out = "Input: y\nOutput: 12\nOutput: x\n",
     .note = "values are keys too; a last key prints nothing"},
    {.program = "xyz_key_values", .args = {"X", "1", "y"}, .out = ""},

    {.program = "zero_position_outputs", .args = {"0a0", "10"},
     .out = "Input: 1\nInput: 2\nOutput: 18\nError: Invalid input\nOutput: 24\n", .note = "walk ends with the text"},
    {.program = "zero_position_outputs", .args = {"0", "2147483640"}, .out = "Input: 1\nInput: 2\nOutput: -2147483648\n"},
    {.program = "zero_position_outputs", .out = "Input: 1\nInput: 2\n"},

    {.program = "paired_index_lines", .args = {"3"}, .out = "0 1\n1 2\n2 3\n"},
    {.program = "paired_index_lines", .args = {"-2"}, .out = ""},
    {.program = "paired_index_lines", .out = "Usage: ./paired_index_lines input\n", .status = 1},

    {.program = "hello_once", .args = {"0x10"}, .out = "Hello, world!\n"},
    {.program = "hello_once", .out = "Usage: program arg1\n", .status = 1},
    {.program = "hello_once", .args = {"1", "2"}, .out = "Usage: program arg1\n", .status = 1},

    {.program = "alphabetic_code_args", .args = {"65", "48", "0x61", "0172", "4294967361", "-191", "zz"},
     .out = "65\n0x61\n0172\n4294967361\n"},
    {.program = "alphabetic_code_args", .out = ""},
};

std::vector<Run> probe_runs() {
    std::vector<std::string> programs;
    for (const auto* t : {&buffer_table, &word_table, &walk_table})
        for (const Case& c : *t)
            if (std::find(programs.begin(), programs.end(), c.program) == programs.end()) programs.push_back(c.program);
    const std::vector<std::vector<std::string>> extremes = {
        {},
        {""},
        {"", "", ""},
        {"2147483647", "2147483647", "2147483647"},
        {"-2147483648", "-2147483648", "-2147483648"},
        {big, big, big, big},
        {std::string(10000, '0'), std::string(10000, 'a'), std::string(10000, '9')},
        {"arm", std::string(10000, ' '), "x", "x"},
        {"9", "9", "9", "9", "9", "9"},
    };
    std::vector<Run> runs = harness::runs_over(programs, extremes);
    // "2147483647" read in hexadecimal asks hex_count_table for a table of
    // 0x47483647 lines (36 GB of output): it would print them all.
    std::erase_if(runs, [](const Run& r) { return r.program == "hex_count_table" && !r.args.empty() && r.args[0] == "2147483647"; });
    return runs;
}

const std::vector<Run> probe_table = probe_runs();

}  // namespace

HARNESS_TABLE(TextBuffers, buffer_table);
HARNESS_TABLE(TextWords, word_table);
HARNESS_TABLE(TextWalks, walk_table);
HARNESS_PROBES(TextAndBuffersProbes, probe_table);

HARNESS_LABELS(square_or_copy_address, nondeterministic)

// The block's address differs from run to run; the rest of the line does not.
PROGRAM_TEST(SquareOrCopyAddress, AddressLine, "square_or_copy_address") {
    for (const std::string& copied : {std::string("abc"), std::string(""), std::string(200, 'q')}) {
        harness::Outcome o = harness::run({.program = "square_or_copy_address", .args = {"x", "hello", copied}});
        EXPECT_EQ(o.status, 0) << o.describe();
        EXPECT_TRUE(std::regex_match(o.out, std::regex("The string hello is in memory starting at address "
                                                       "0x[0-9a-f]+\\.\n")))
            << harness::escape(o.out);
    }
}

PROGRAM_TEST(HexCountTable, LowByteEntries, "hex_count_table") {
    harness::Outcome o = harness::run({.program = "hex_count_table", .args = {"10", "x"}});
    EXPECT_EQ(std::count(o.out.begin(), o.out.end(), '\n'), 17);
    o = harness::run({.program = "hex_count_table", .args = {"101", "x"}});
    EXPECT_TRUE(o.out.ends_with("0xFE\nHexadecimal constant: 0xFF\nHexadecimal constant: 0x0\n"));
}

// A table of more than 2^20 entries prints all its lines; a table that
// cannot be allocated is reported.
PROGRAM_TEST(HexCountTable, BeyondTwoToTheTwenty, "hex_count_table") {
    harness::Outcome o = harness::run({.program = "hex_count_table", .args = {"100001", "x"}});
    EXPECT_EQ(o.status, 0) << o.describe();
    EXPECT_EQ(std::count(o.out.begin(), o.out.end(), '\n'), 1 + 0x100001);
    EXPECT_TRUE(o.out.ends_with("0xFE\nHexadecimal constant: 0xFF\nHexadecimal constant: 0x0\n"));
    if (const char* why = harness::data_limit_unusable()) GTEST_SKIP() << why;
    o = harness::run({.program = "hex_count_table", .args = {"100000", "x"}, .data_limit = 2UL << 20});
    EXPECT_EQ(o.status, 1) << o.describe();
    EXPECT_EQ(o.out, "Error: memory allocation failed.\n");
}

PROGRAM_TEST(ZeroPositionOutputs, LongText, "zero_position_outputs") {
    harness::Outcome o = harness::run({.program = "zero_position_outputs", .args = {std::string(10000, '0'), "0"}});
    EXPECT_EQ(std::count(o.out.begin(), o.out.end(), '\n'), 2 + 9997);
    EXPECT_TRUE(o.out.ends_with("Output: 29993\nOutput: 29996\n"));
}

PROGRAM_TEST(PairedIndexLines, Large, "paired_index_lines") {
    harness::Outcome o = harness::run({.program = "paired_index_lines", .args = {"1000001"}});
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(std::count(o.out.begin(), o.out.end(), '\n'), 1000001);
    EXPECT_TRUE(o.out.ends_with("\n1000000 1000001\n"));
}
