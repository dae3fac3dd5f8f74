// Programs whose arguments and standard input work together: an argument
// picks what is read, sizes the read, or is compared with or joined to it.
#include "harness/harness.hpp"

using harness::Case;
using harness::repeat;
using harness::with_name;

namespace {

const std::string big = "99999999999999999999";  // 20 digits
const std::string long_text(10000, 'q');

Case c(std::string program, std::vector<std::string> args, std::string input, std::string out, int status = 0,
       std::string note = "") {
    return Case{.program = program, .args = args, .out = out, .status = status, .input = input, .note = note};
}
Case usage(std::string program, std::vector<std::string> args, std::string text) {
    return Case{.program = program, .args = args, .out = with_name(text, "./" + program), .status = 1};
}

const std::string vector_text =
    "Vectorization is a technique for optimizing code. It allows us to process multiple data items at once "
    "instead of processing them one by one.\n";

// Keywords, format letters, operators and names that choose what is read or printed.
const std::vector<Case> select_table = {
    c("keyword_topics_prompt", {"vector", "Vector"}, "", vector_text + "Invalid command!\n"),
    c("keyword_topics_prompt", {"input", "example", "input"}, "3.5 x", "Enter a value: Example: 1 2 3\nEnter a value: "),
    c("keyword_topics_prompt", {"support", "associativity"}, "",
      "Support libraries contain pre-written code that can be used to accomplish certain tasks in a program. For "
      "example, the 'math' library contains functions for mathematical operations like square root and sine.\n"
      "Associativity is the property of some operations, such as addition and multiplication, that allows us to "
      "group terms in different ways without changing the result. For example, (1 + 2) + 3 is the same as 1 + (2 + 3).\n"),
    c("keyword_topics_prompt", {}, "", ""),
    c("format_letter_reader", {"i"}, "5", ""),
    c("format_letter_reader", {"float"}, "2.5", "", 0, "first character only"),
    c("format_letter_reader", {"s", "hello world"}, "", "Input string: hello world\n"),
    c("format_letter_reader", {"s"}, "", "Invalid input format. Please enter 'i' for integer, 'f' for float, or 's' for string.\n"),
    c("format_letter_reader", {"i", "x"}, "", "Invalid input format. Please enter 'i' for integer, 'f' for float, or 's' for string.\n"),
    c("format_letter_reader", {}, "", "Invalid input format. Please enter 'i' for integer, 'f' for float, or 's' for string.\n"),
    c("operator_prompt_calculator", {"7", "2", "x"}, "/", "Enter operator: The result is: 3.00\n"),
    c("operator_prompt_calculator", {"7", "2", "x"}, "%", "Enter operator: Error: Invalid operator.\n", 1),
    c("operator_prompt_calculator", {"7", "0", "x"}, "/", "Enter operator: Error: Division by zero is not allowed.\n", 1),
    c("operator_prompt_calculator", {"-7", "2", "x"}, "-", "Enter operator: The result is: -9.00\n"),
    c("operator_prompt_calculator", {"2147483647", "1", "x"}, "+", "Enter operator: The result is: -2147483648.00\n"),
    c("operator_prompt_calculator", {"65536", "65536", "x"}, "*", "Enter operator: The result is: 0.00\n"),
    c("operator_prompt_calculator", {"-2147483648", "-1", "x"}, "/", "Enter operator: The result is: -2147483648.00\n"),
    c("operator_prompt_calculator", {"1", "2", "x"}, " +", "Enter operator: Error: Invalid operator.\n", 1, "blank is read"),
    c("operator_prompt_calculator", {"1", "2", "x"}, "", "Enter operator: Error: Invalid operator.\n", 1),
    c("operator_prompt_calculator", {}, "+", "Enter operator: The result is: 0.00\n", 0, "missing arguments are 0"),
    c("operator_prompt_calculator", {"5"}, "/", "Enter operator: Error: Division by zero is not allowed.\n", 1),
    Case{.program = "bash_name_switch", .args = {"a"}, .out = "You entered: hi\n\n", .input = "hi\n", .argv0 = "/bin/bash"},
    Case{.program = "bash_name_switch", .out = "You entered: \n", .argv0 = "/bin/bash"},
    c("bash_name_switch", {"a", "5", "x", big}, "hi\n",
      "Running program with command line arguments: a\nInput #1: 5\nInput #2: 0\nInput #3: -1\n"),
    c("bash_name_switch", {}, "", "Running program with command line arguments: (null)\n"),
    c("zero_printer", {"7"}, "5\n", "0\n"),
};

// Reads sized or counted by an argument.
const std::vector<Case> sized_table = {
    c("sized_string_echo", {"1"}, "abc", "Enter a string of length 1: "),
    c("sized_string_echo", {"4"}, "abcdef", "Enter a string of length 4: abc"),
    c("sized_string_echo", {"10"}, "ab\ncd", "Enter a string of length 10: ab\n"),
    c("sized_string_echo", {"10"}, "", "Enter a string of length 10: "),
    c("sized_string_echo", {"-5"}, "abc", "Enter a string of length -5: "),
    c("sized_string_echo", {"-2147483648"}, "abc", "Enter a string of length -2147483648: "),
    c("sized_string_echo", {"4294967300"}, "abcdef", "Enter a string of length 4: abc", 0, "wraps to 4"),
    c("sized_string_echo", {}, "abc", "Enter a string of length 0: "),
    c("sized_word_echo", {"10", "in"}, "  hello world", "Input: in\nOutput: hello\n"),
    c("sized_word_echo", {"3", "in"}, "hello", "Input: in\nOutput: he\n", 0, "cut to n-1"),
    c("sized_word_echo", {"0", "in"}, "hello", "Input: in\nOutput: \n"),
    c("sized_word_echo", {"10"}, "", "Input: (null)\nOutput: \n"),
    c("line_count_by_second_argument", {"abcd", "xy"}, "one\ntwo\nthree\n", "User Input: two\n\n"),
    c("line_count_by_second_argument", {"ab", "xyz"}, "hello\n", "User Input: o\n\n", 0, "2-character reads"),
    c("line_count_by_second_argument", {"abcd", "x"}, "", "User Input: abcd\n"),
    c("line_count_by_second_argument", {"abcd", "xyz"}, "hi\n", "User Input: hi\n\n"),
    c("line_count_by_second_argument", {}, "hi\n", "User Input: \n"),
    c("character_block_echo", {"3"}, "a bcd", "ASCII representation: 3\nASCII representation of input: a b\n"),
    c("character_block_echo", {"2"}, " \nz", "ASCII representation: 2\nASCII representation of input:  \n\n"),
    c("character_block_echo", {"5"}, "ab", "ASCII representation: 5\nASCII representation of input: ab\n", 0, "input ends early"),
    c("character_block_echo", {"-1"}, "ab", "ASCII representation: -1\nASCII representation of input: \n"),
    c("character_block_echo", {}, "ab", "ASCII representation: (null)\nASCII representation of input: \n"),
    c("bounded_character_skip", {"3"}, "abcdef", ""),
    c("bounded_character_skip", {}, "abc", ""),
};

// Lines and characters compared with, joined to or echoed with the arguments.
const std::vector<Case> line_table = {
    c("bash_input_then_arguments", {"-5", "7", "250"}, "hello\n",
      "Enter input (BASH): Input: helloInput: -5\nInput: 7\nInput: 250\n"),
    c("bash_input_then_arguments", {"abc", "100", "4294967397", big}, "",
      "Enter input (BASH): Input: Input: abc\nInput: 100\nInput: 101\nInput: " + big + "\n", 0, "as int"),
    c("bash_input_then_arguments", {}, repeat("a", 60), "Enter input (BASH): Input: " + repeat("a", 49)),
    usage("word_letters_greeting", {}, "Usage: program.exe [input]\n"),
    usage("word_letters_greeting", {"a", "b"}, "Usage: program.exe [input]\n"),
    c("word_letters_greeting", {"x"}, "  ab1c rest\n", "a\nb\nHello, 1\nc\n"),
    c("word_letters_greeting", {"x"}, "   \n", "Invalid input.\n", 2),
    c("word_letters_greeting", {"x"}, "", "Invalid input.\n", 2, "no line"),
    c("word_letters_greeting", {"x"}, repeat("b", 300), repeat("b\n", 254), 0, "254-character read"),
    Case{.program = "limited_string_prompt", .args = {"x"}, .out = "Enter a string: ", .err =
         "Input is too long. Please enter a string of at most 99 characters.\n", .status = 1, .input = "dog\n"},
    c("limited_string_prompt", {"XYZW"}, "cab\nzz", "Enter a string: Output: cabW\n", 0, "code 99 is accepted"),
    c("limited_string_prompt", {"keep"}, "", "Enter a string: Output: keep\n"),
    c("limited_string_prompt", {""}, repeat("a", 150), "Enter a string: Output: " + repeat("a", 99) + "\n"),
    c("limited_string_prompt", {long_text}, "", "Enter a string: Output: " + repeat("q", 99) + "\n"),
    c("limited_string_prompt", {}, "ab", "Enter a string: Output: ab\n"),
    usage("hello_x_y_report", {}, "Usage: %s input\n"),
    c("hello_x_y_report", {"21"}, "line\n",
      "Hello, world!\nx is 21\nHello, world!\ny is 42\n21 is x times 2.\n"),
    c("hello_x_y_report", {"2147483647"}, "",
      "Hello, world!\nx is 2147483647\nHello, world!\ny is -2\n2147483647 is x times 2.\n"),
    c("flt_decimal_word_report", {"x", "abcdefghij3.5", "short", "FLT_DECIMAL_DIG"}, "FLT_DECIMAL7\n",
      "Input: \nOutput:\n0.000000\nFLT_DECIMAL7\n\n3.500000\n0.000000\nFLT_DECIMAL_DIG\n"),
    Case{.program = "flt_decimal_word_report", .args = {"0123456789-2e3"}, .out = "Input: \nOutput:\nFLT_DECIMAL\n-2000.000000\n",
         .argv0 = "FLT_DECIMAL", .note = "end of input keeps the argument"},
    c("flt_decimal_word_report", {}, "FLT_DECIMAL\n", "Input: \nOutput:\n0.000000\n"),
    usage("exit_guarded_line_echo", {}, "Usage: %s input\n"),
    c("exit_guarded_line_echo", {"exit"}, "a\nb\n", ""),
    c("exit_guarded_line_echo", {"x"}, "a\n\nb", "a\n\nb\n"),
    c("exit_guarded_line_echo", {"x"}, repeat("a", 100) + "\n", repeat("a", 79) + "\n" + repeat("a", 21) + "\n"),
    c("first_argument_line_match", {"abc"}, "abc", "Input: abc\n"),
    c("first_argument_line_match", {"abc"}, "abc\n",
      "Invalid input. Please enter a valid string as the first argument\nInput: abc\n\n"),
    c("first_argument_line_match", {"abc\n"}, "abc\nx", "Input: abc\n\n"),
    c("first_argument_line_match", {""}, "", "Invalid input. Please enter a valid string as the first argument\nInput: \n"),
    c("first_argument_line_match", {}, "x", "Invalid input. Please enter a valid string as the first argument\nInput: x\n"),
    c("line_plus_arguments", {"A", "B"}, "hi\n", "Enter a string: Output: hi\nAB\n"),
    c("line_plus_arguments", {"A", "B"}, "", "Enter a string: Output: AB\n"),
    c("line_plus_arguments", {repeat("b", 20)}, repeat("a", 90), "Enter a string: Output: " + repeat("a", 90) + repeat("b", 9) + "\n"),
    usage("character_lines_until_q", {}, "Usage: %s input\n"),
    c("character_lines_until_q", {"x"}, "abq", "Input: x\nCharacter: a\nCharacter: b\n\nExiting program..."),
    c("character_lines_until_q", {"x"}, "ab\nq", "Input: x\nCharacter: a\nCharacter: b\n"),
    c("character_lines_until_q", {"x", "y"}, "ab", "Input: x\nCharacter: a\nCharacter: b\n", 0, "end of input ends"),
};

std::vector<harness::Run> probe_runs() {
    const char* programs[] = {"keyword_topics_prompt", "bash_input_then_arguments", "word_letters_greeting",
                              "limited_string_prompt", "operator_prompt_calculator", "sized_string_echo",
                              "hello_x_y_report", "line_count_by_second_argument", "flt_decimal_word_report",
                              "format_letter_reader", "bash_name_switch", "exit_guarded_line_echo",
                              "sized_word_echo", "first_argument_line_match", "line_plus_arguments",
                              "character_block_echo", "character_lines_until_q", "zero_printer",
                              "bounded_character_skip"};
    std::vector<harness::Run> runs;
    for (const char* p : programs) {
        runs.push_back({.program = p});
        runs.push_back({.program = p, .args = {""}, .input = long_text});
        runs.push_back({.program = p, .args = {"2147483647"}, .input = long_text + " " + long_text});
        runs.push_back({.program = p, .args = {"-2147483648", long_text, big}, .input = big + "\n" + big});
        runs.push_back({.program = p, .args = {long_text, long_text}, .input = repeat("ab\n", 5000)});
        runs.push_back({.program = p, .args = {big, "input"}, .argv0 = "/bin/bash", .input = "1e999 x"});
    }
    runs.push_back({.program = "keyword_topics_prompt", .args = {"input", "input"}, .input = "1e999 -" + big});
    return runs;
}
const std::vector<harness::Run> probe_table = probe_runs();

}  // namespace

HARNESS_TABLE(Selection, select_table);
HARNESS_TABLE(SizedReads, sized_table);
HARNESS_TABLE(LinesWithArguments, line_table);
HARNESS_PROBES(Extremes, probe_table);
