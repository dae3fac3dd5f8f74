// Programs that echo one or two arguments, their invocation name or their word
// count with a fixed label, and refuse wrong counts with their own texts.
#include "harness/harness.hpp"

using harness::Case;

namespace {

// A program that echoes its first argument with `format` ("%s" stands for it)
// and refuses with `refusal` (on `stream`) and `status`.
struct Echoer {
    const char* program;
    int min_args, max_args;  // accepted counts of arguments; max -1: no limit
    const char* refusal;
    int status;
    const char* success;     // the line for the argument "word"
    bool refusal_on_stderr = false;
};

const Echoer echoers[] = {
    {"input_echo_required_arg", 1, -1, "Error: must provide at least one argument\n", 1, "Input: word\n"},
    {"input_echo_two_arg_notice", 1, -1, "Error: please provide at least 2 arguments\n", 1, "Input: word\n"},
    {"input_echo_you_need", 1, -1, "Error: you need to provide at least one argument\n", 1, "Input: word\n"},
    {"input_echo_please_provide", 1, -1, "Error: Please provide at least one argument\n", 1, "Input: word\n"},
    {"input_echo_you_need_dot", 1, -1, "Error: You need to provide at least one argument.\n", 1, "Input: word\n"},
    {"argv_start_echo", 1, -1, "Please provide an argument.\n", 1, "Program started with argv: word\n"},
    {"input_echo_exit_on_error", 1, 1, "Error: program requires one argument\n", 1, "Input: word\n"},
    {"input_echo_stderr_usage", 1, 1, "Usage: ./program input_string\n", 1, "Input: word\n", true},
    {"input_echo_exactly_one", 1, 1, "Please provide exactly one argument.\n", 1, "Input: word\n"},
    {"user_input_echo", 1, 1, "Usage: program name input\n", 1, "User input: word\n"},
    {"hello_world_suffix_echo", 1, 1, "Please provide an input as the first argument\n", 1, "word Hello World!\n"},
    {"input_echo_prompt_on_error", 1, 1, "Please enter an input: ", 1, "Input: word\n"},
    {"input_echo_two_args", 2, 2, "Error: Incorrect number of arguments\n", 1, "Input: word\n"},
    {"single_arg_puts", 1, 1, "Error: Please provide one argument.\n", 255, "word\n"},
    {"filename_arg_puts", 1, 1, "Usage: ./filename_arg_puts <filename>\n", 1, "word\n"},
    {"input_echo_close_stdin", 1, -1, "Please provide an argument\n", 1, "Input: word\n\n"},
    {"input_length_report", 1, 1, "Error: program requires one argument\n", 1, "Input: word\nLength: 4\n"},
};

// For each echoer: refusals one below and one above the accepted counts, and
// the accepted counts, where every argument after the first is ignored.
std::vector<Case> echoer_cases() {
    std::vector<Case> cases;
    for (const Echoer& e : echoers) {
        Case refused{.program = e.program, .status = e.status, .note = "refused count"};
        (e.refusal_on_stderr ? refused.err : refused.out) = e.refusal;
        refused.args.assign(e.min_args - 1, "word");
        cases.push_back(refused);
        if (e.max_args >= 0) {
            refused.args.assign(e.max_args + 1, "word");
            cases.push_back(refused);
        }
        Case ok{.program = e.program, .args = {"word"}, .out = e.success};
        ok.args.resize(e.min_args, "second");
        cases.push_back(ok);
        if (e.max_args < 0) {
            ok.args = {"word", "second", "third"};
            ok.note = "later arguments ignored";
            cases.push_back(ok);
        }
    }
    return cases;
}

const std::string long_arg = harness::repeat("x", 10000);

std::vector<Case> member_cases() {
    return {
        // An empty argument is a present argument.
        {.program = "input_echo_exactly_one", .args = {""}, .out = "Input: \n"},
        {.program = "single_arg_puts", .args = {""}, .out = "\n"},
        {.program = "input_echo_required_arg", .args = {long_arg}, .out = "Input: " + long_arg + "\n"},
        {.program = "input_echo_two_args", .args = {"first", "second"}, .out = "Input: first\n",
         .note = "second argument not printed"},
        {.program = "input_echo_close_stdin", .args = {"x"}, .out = "Input: x\n\n", .input = "unread\n"},
        {.program = "input_length_report", .args = {""}, .out = "Input: \nLength: 0\n"},
        {.program = "input_length_report", .args = {"h\xc3\xa9"}, .out = "Input: h\xc3\xa9\nLength: 3\n",
         .note = "length in bytes"},
        // Usage lines show the invocation name exactly as started.
        {.program = "filename_arg_puts", .out = "Usage: /usr/local/bin/fp <filename>\n", .status = 1,
         .argv0 = "/usr/local/bin/fp"},

        {.program = "command_line_input_echo", .out = "No input provided. Use -h for help.\n"},
        {.program = "command_line_input_echo", .args = {"-h"}, .out = "Input from command line is -h\n"},
        {.program = "missing_arg_notice_echo", .out = "Error: missing argument\n"},
        {.program = "missing_arg_notice_echo", .args = {"a", "b"}, .out = "Input from command line: a\n"},

        {.program = "single_argument_numbered_echo"},
        {.program = "single_argument_numbered_echo", .args = {"x y"}, .out = "Argument 1: x y\n"},
        {.program = "single_argument_numbered_echo", .args = {"a", "b"}, .out = "Error: too many arguments\n",
         .status = 1},

        {.program = "single_input_usage_check", .args = {"a"}},
        {.program = "single_input_usage_check", .out = "Usage: ./single_input_usage_check INPUT\n", .status = 1},
        {.program = "single_input_usage_check", .args = {"a", "b"}, .out = "Usage: ./s INPUT\n", .status = 1,
         .argv0 = "./s"},
        {.program = "at_least_one_arg_check", .args = {"a", "b"}},
        {.program = "at_least_one_arg_check", .out = "Please provide at least one argument\n", .status = 1},

        {.program = "input_string_length_copy", .args = {"hello"},
         .out = "Input string: hello\nLength of input string: 5\n"},
        {.program = "input_string_length_copy", .args = {""}, .out = "Input string: \nLength of input string: 0\n"},
        {.program = "input_string_length_copy", .args = {std::string(99, 'a')},
         .out = "Input string: " + std::string(99, 'a') + "\nLength of input string: 99\n", .note = "fills the buffer"},
        {.program = "input_string_length_copy", .args = {std::string(100, 'a')},
         .out = "Usage: ./input_string_length_copy input\n", .status = 1, .note = "one byte too long: refused"},
        {.program = "input_string_length_copy", .args = {long_arg}, .out = "Usage: ./input_string_length_copy input\n",
         .status = 1},
        {.program = "input_string_length_copy", .out = "Usage: ./input_string_length_copy input\n", .status = 1},
        {.program = "input_string_length_copy", .args = {"a", "b"}, .out = "Usage: ./input_string_length_copy input\n",
         .status = 1},

        {.program = "first_char_then_text", .args = {"ab"}, .out = "a\nab", .note = "no final newline"},
        {.program = "first_char_then_text", .args = {""}, .out = std::string("\0\n", 2), .note = "NUL first"},
        {.program = "first_char_then_text", .out = "Usage: ./first_char_then_text input\n", .status = 1},
        {.program = "first_char_then_text", .args = {"a", "b"}, .out = "Usage: ./first_char_then_text input\n",
         .status = 1},

        {.program = "char_position_debug_echo", .args = {"q"},
         .out = "Last occurrence of 'q' found at position 10\nDebugging string: q\n"},
        {.program = "char_position_debug_echo", .args = {"hello world"},
         .out = "Last occurrence of 'h' found at position 10\nDebugging string: hello world\n"},
        {.program = "char_position_debug_echo", .args = {""},
         .out = std::string("Last occurrence of '\0' found at position 10\nDebugging string: \n", 63),
         .note = "terminator printed as the character"},
        {.program = "char_position_debug_echo", .out = "Usage: ./char_position_debug_echo <char>\n", .status = 1},
        {.program = "char_position_debug_echo", .args = {"a", "b"}, .out = "Usage: ./char_position_debug_echo <char>\n",
         .status = 1},

        {.program = "hello_argument_check", .args = {"Hello"}, .out = "Input: Hello\nOutput: Hello, world!\n"},
        {.program = "hello_argument_check", .args = {"hello"}, .out = "Input: hello\nOutput: Not Hello.\n"},
        {.program = "hello_argument_check", .args = {"Hello "}, .out = "Input: Hello \nOutput: Not Hello.\n"},
        {.program = "hello_argument_check", .args = {"Hello", "x"}, .out = "Input: Hello\nOutput: Hello, world!\n"},
        {.program = "hello_argument_check", .out = "No command line arguments provided. Please try again.",
         .status = 255},

        {.program = "filename_caption_echo", .args = {"100%done %s"},
         .out = "The filename passed in is:\n100%done %s", .note = "percent signs literal"},
        {.program = "filename_caption_echo", .out = "Usage: ./filename_caption_echo <filename>\n", .status = 1},
        {.program = "filename_caption_echo", .args = {"a", "b"}, .out = "Usage: ./filename_caption_echo <filename>\n",
         .status = 1},

        {.program = "nonempty_input_string_echo", .args = {"x", "y"}, .out = "Input string: x\n"},
        {.program = "nonempty_input_string_echo", .args = {""}, .out = "Please provide an input string!\n",
         .status = 1},
        {.program = "nonempty_input_string_echo", .out = "Please provide an input string!\n", .status = 1,
         .note = "missing argument taken as empty"},

        {.program = "input_string_func1_echo", .args = {"abc"}, .out = "Input string: abc\n"},
        {.program = "input_string_func1_echo", .out = "Input string: (null)\n", .note = "missing argument"},
        {.program = "input_output_caption_echo", .args = {"abc"}, .out = "Input: abc\nOutput:\n\n"},
        {.program = "input_output_caption_echo", .out = "Input: (null)\nOutput:\n\n"},
        {.program = "arg_count_and_first_echo", .args = {"a", "b"},
         .out = "The number of arguments is: 3\nThe first argument is: a\n"},
        {.program = "arg_count_and_first_echo",
         .out = "The number of arguments is: 1\nThe first argument is: (null)\n"},
        {.program = "first_second_ordinal_echo", .args = {"a", "b", "c"},
         .out = "Input 1st argument: a\nInput 2nd argument: b\n"},
        {.program = "first_second_ordinal_echo", .args = {"a"},
         .out = "Input 1st argument: a\nInput 2nd argument: (null)\n"},
        {.program = "first_second_arg_echo", .args = {"a", "b"}, .out = "First argument: a\nSecond argument: b\n"},
        {.program = "first_second_arg_echo", .out = "First argument: (null)\nSecond argument: (null)\n"},
        {.program = "two_name_greeter", .args = {"Ann", "Bob"}, .out = "Hello, Ann\nHello, Bob\n"},
        {.program = "two_name_greeter", .args = {"Ann"}, .out = "Hello, Ann\nHello, (null)\n"},

        {.program = "invocation_name_puts", .args = {"ignored"}, .out = "./invocation_name_puts\n"},
        {.program = "invocation_name_puts", .out = "\n", .argv0 = ""},
        {.program = "argv_zero_echo", .args = {"x"}, .out = "argv[0]: ../bin/az\n", .argv0 = "../bin/az"},
        {.program = "arg_count_report", .out = "Input argument count is 1\n"},
        {.program = "arg_count_report", .args = {"a", "", "c"}, .out = "Input argument count is 4\n"},
    };
}

const std::vector<Case> echoer_table = echoer_cases();
const std::vector<Case> member_table = member_cases();

}  // namespace

HARNESS_TABLE(LabelledEchoes, echoer_table);
HARNESS_TABLE(SingleArgumentEchoes, member_table);
