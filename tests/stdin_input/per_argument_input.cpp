// Programs that read once per argument from standard input, prompting with the
// argument's position or text; a few print the arguments back or compute
// from them.
#include "harness/harness.hpp"

using harness::Case;
using harness::repeat;

namespace {

const std::string big = "99999999999999999999";  // 20 digits
const std::string long_text(10000, 'q');

Case c(std::string program, std::vector<std::string> args, std::string input, std::string out, int status = 0,
       std::string note = "") {
    return Case{.program = program, .args = args, .out = out, .status = status, .input = input, .note = note};
}

// The number of prompts follows the argument count; the reads are not echoed.
const std::vector<Case> prompt_table = {
    c("leading_arguments_reader", {"a", "b", "c"}, "x\ny\nz\n", "Input 1: Input 2: ", 0, "all but the last"),
    c("leading_arguments_reader", {"a"}, "x\n", ""),
    c("numbered_integer_slots", {"a", "b"}, "1 2 3", "Input 1: Input 2: Input 3: ", 0, "one more than arguments"),
    c("numbered_integer_slots", {}, "", "Input 1: "),
    c("numbered_line_slots", {"a", "b"}, "", "Input 1: Input 2: "),
    c("argument_line_prompts", {"a", "b"}, "longer than eight\n", "Argument 1: Argument 2: "),
    c("numbered_short_slots", {"a", "b"}, "x\n", "Input 1: Input 2: "),
    c("argument_line_prompts_80", {"a", "b"}, "x\n", "Input argument 1: Input argument 2: "),
    c("argument_line_prompts_80", {}, "x\n", ""),
    c("numbered_integer_reader", {"a", "b"}, "1\n2\n", "Input 1: Input 2: "),
    c("named_integer_prompts", {"first", ""}, "1 2", "Input first: Input : "),
    c("value_slots_then_newline", {"a", "b"}, "1 2", "Input value 1 is: Input value 2 is: \n"),
    c("value_slots_then_newline", {}, "", "\n"),
    c("help_guarded_reader", {"--help", "a", "b"}, "l1\n1\nl2\n2\nl3\n3\n", ""),
    c("help_guarded_reader", {"-h"}, "x\n", ""),
    c("ten_line_double_reader", {"3.5"}, repeat("line\n", 12), ""),
    c("ten_line_double_reader", {}, "a\nb\n", "", 0, "no argument: nothing converts"),
};

const std::vector<Case> report_table = {
    c("last_number_prompt_loop", {"5", "1", "2"}, "10 20",
      "Please enter a number: Please enter a number: The number you entered is 20.\n"),
    c("last_number_prompt_loop", {"5", "x", "y"}, "10 abc",
      "Please enter a number: Please enter a number: The number you entered is 0.\n", 0, "failed last read is 0"),
    c("last_number_prompt_loop", {"1", "x"}, "2147483648", "Please enter a number: The number you entered is -2147483648.\n"),
    c("last_number_prompt_loop", {"5"}, "7", "The number you entered is 0.\n", 0, "no read at all"),
    c("last_number_prompt_loop", {}, "", "Invalid input. Please enter a number.\n", 1),
    c("last_number_prompt_loop", {"0", "x"}, "1", "Invalid input. Please enter a number.\n", 1),
    c("last_number_prompt_loop", {"-3", "x"}, "1", "Invalid input. Please enter a number.\n", 1),
    c("last_number_prompt_loop", {"abc", "x"}, "1", "Invalid input. Please enter a number.\n", 1),
    c("last_number_prompt_loop", {"4294967296", "x"}, "1", "Invalid input. Please enter a number.\n", 1, "wraps to 0"),
    c("lg2_argument_report", {"10"}, "1", "Input 10: 10 * lg2(x) = 3.01\n"),
    c("lg2_argument_report", {"abc", "-7"}, "", "Input abc: Input -7: 0 * lg2(x) = 0.00\n-7 * lg2(x) = -2.11\n"),
    c("lg2_argument_report", {"2147483647", "-2147483648"}, "",
      "Input 2147483647: Input -2147483648: 2147483647 * lg2(x) = 646456992.94\n"
      "-2147483648 * lg2(x) = -646456993.25\n"),
    c("lg2_argument_report", {}, "5", ""),
    Case{.program = "invocation_letters_after_words", .args = {"x", "y"}, .out = "Input 1: Input 2: .\n/\na\nb\n",
         .input = "w1 w2", .argv0 = "./ab"},
    Case{.program = "invocation_letters_after_words", .args = {}, .out = "p\n", .argv0 = "p"},
};

// Lines read into 8- and 100-byte buffers: splitting, kept newlines, end of input.
const std::vector<Case> echo_table = {
    c("short_argument_lines_echo", {"aa", "bb"}, "", "Input 1: Input 2: aa\nbb\n", 0, "end of input keeps the texts"),
    c("short_argument_lines_echo", {"aa", "bb"}, "abcdefghij\n", "Input 1: Input 2: abcdefg\nhij\n\n"),
    c("short_argument_lines_echo", {"aa", "bb", "cc"}, "x\n", "Input 1: Input 2: Input 3: x\n\nbb\ncc\n"),
    c("short_argument_lines_echo", {long_text}, "", "Input 1: " + long_text + "\n"),
    c("short_argument_lines_echo", {}, "x\n", "", 0, "no argument: nothing"),
    c("line_per_argument_echo", {"a", "b", "c"}, "one\ntwo", "one\n\ntwo\ntwo\n", 0, "end of input keeps the last line"),
    c("line_per_argument_echo", {"a"}, "", "\n", 0, "starts empty"),
    c("line_per_argument_echo", {"a", "b"}, repeat("a", 150), repeat("a", 99) + "\n" + repeat("a", 51) + "\n"),
    c("line_per_argument_echo", {}, "x\n", ""),
};

std::vector<harness::Run> probe_runs() {
    const char* programs[] = {"last_number_prompt_loop", "lg2_argument_report", "invocation_letters_after_words",
                              "help_guarded_reader", "ten_line_double_reader", "short_argument_lines_echo",
                              "value_slots_then_newline", "leading_arguments_reader", "numbered_integer_slots",
                              "numbered_line_slots", "argument_line_prompts", "numbered_short_slots",
                              "argument_line_prompts_80", "numbered_integer_reader", "named_integer_prompts",
                              "line_per_argument_echo"};
    std::vector<harness::Run> runs;
    for (const char* p : programs) {
        runs.push_back({.program = p});
        runs.push_back({.program = p, .args = {"--help", ""}, .input = long_text});
        runs.push_back({.program = p, .args = {"2147483647", long_text, "-2147483648", big, ""},
                        .input = repeat("w ", 5000) + "\n" + big + " -" + big});
    }
    return runs;
}
const std::vector<harness::Run> probe_table = probe_runs();

}  // namespace

HARNESS_TABLE(PromptLoops, prompt_table);
HARNESS_TABLE(Reports, report_table);
HARNESS_TABLE(LineEchoes, echo_table);
HARNESS_PROBES(Extremes, probe_table);
