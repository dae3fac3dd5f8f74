// Programs that read a line, a word or a number from standard input in place
// of an argument's text and print it back or use it. At the end of input the
// argument's own text stands; a missing argument stands for an empty text.
#include "harness/harness.hpp"

using harness::Case;
using harness::repeat;

namespace {

const std::string big = "99999999999999999999";  // 20 digits
const std::string long_text(10000, 'q');

// Lines read with fgets into buffers of a fixed size, whatever the argument's length.
std::vector<Case> fixed_line_cases() {
    const std::string oi = "Input: Output: ";
    auto line = [](std::string program, std::vector<std::string> args, std::string input, std::string out,
                   std::string note = "") {
        return Case{.program = program, .args = args, .out = out, .input = input, .note = note};
    };
    return {
        line("line_output_echo", {"arg"}, "hello\n", oi + "hello\n\n"),
        line("line_output_echo", {"arg"}, "", oi + "arg\n", "end of input keeps the argument"),
        line("line_output_echo", {}, "", oi + "\n", "missing argument"),
        line("line_output_echo", {"x"}, repeat("a", 150), oi + repeat("a", 99) + "\n", "100 bytes, not the argument's 2"),
        line("line_output_echo", {long_text}, "", oi + long_text + "\n"),
        line("short_output_echo", {"a"}, "abcdefghij\n", oi + "abcdefg\n"),
        line("short_output_echo", {"a"}, "abcdef\nrest\n", oi + "abcdef\n\n"),
        line("short_output_echo_twin", {"a"}, "abcdefghij\n", oi + "abcdefg\n"),
        line("short_string_echo", {"x"}, "hi\n", "Enter a string: You entered: hi\n\n"),
        line("short_string_echo", {"x"}, "", "Enter a string: You entered: x\n"),
        line("short_value_echo", {"x"}, "1234567890", "Input value: You entered: 1234567\n"),
        line("text_block_echo", {"arg"}, "some text\n", "Enter some text: You entered:\nsome text\n"),
        line("text_block_echo", {"arg"}, "abc", "Enter some text: You entered:\nabc"),
        line("text_block_echo", {"arg"}, "", "Enter some text: You entered:\narg"),
        line("name_greeting_newline_prompt", {"x"}, "Bob\n", "Enter your name:\nHello Bob\n!\n"),
        line("name_greeting_newline_prompt", {"x"}, "Alexandra\n", "Enter your name:\nHello Alexand!\n"),
        line("short_string_reader", {"x"}, "abcdefghij", "Input string: "),
        line("silent_line_input", {"x"}, long_text, "Input: "),

        // Ten slots of 8 bytes; the filtered text can only come from an argument.
        line("ten_slot_line_filter", {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"},
             "1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n", [] {
                 std::string out;
                 for (int i = 1; i <= 10; ++i) out += "Enter a number: " + std::to_string(i) + "\n\n";
                 return out;
             }()),
        line("ten_slot_line_filter", {"a", "b", "__STDC_NO_COMPLEX__", "d", "e", "f", "g", "h", "i", "j", "k"},
             "123456789\n",
             "Enter a number: 1234567\nEnter a number: 89\n\nEnter a number: Enter a number: d\n"
             "Enter a number: e\nEnter a number: f\nEnter a number: g\nEnter a number: h\n"
             "Enter a number: i\nEnter a number: j\n",
             "long line in two slots, then argument texts; the eleventh is not visited"),
        line("ten_slot_line_filter", {}, "", repeat("Enter a number: \n", 10), "missing arguments are empty"),
    };
}

// Numbers taken from the read text, or from the argument.
std::vector<Case> number_cases() {
    auto num = [](std::string program, std::vector<std::string> args, std::string input, std::string out,
                  int status = 0, std::string note = "") {
        return Case{.program = program, .args = args, .out = out, .status = status, .input = input, .note = note};
    };
    const std::string ie = "Enter an integer: You entered: ";
    const std::string ne = "Enter a number: You entered: ";
    const std::string gate = "Enter an integer between 1 and 100 (inclusive): ";
    const std::string bad = gate + "Invalid input. Please enter an integer between 1 and 100 (inclusive).\n";
    const std::string fact = "Enter an integer: ";
    const std::string retry = "Invalid input. Please enter an integer: ";
    auto row = [](int i) {
        return "For " + std::to_string(i) + ", the value of f(x) is " + std::to_string(2 * i + 1) + ".000000\n";
    };
    return {
        num("line_integer_echo", {"7"}, "42\n", ie + "42\n"),
        num("line_integer_echo", {"7"}, "", ie + "7\n"),
        num("line_integer_echo", {"7"}, big, ie + "-1\n", 0, "saturated, then low 32 bits"),
        num("line_integer_echo", {}, "abc", ie + "0\n"),
        num("short_line_integer", {"7"}, "12345678901\n", ne + "1234567\n", 0, "7 characters read"),
        num("short_line_integer", {"7"}, "x\n", ne + "0\n", 0, "no number gives 0"),
        num("short_line_integer", {"2147483648"}, "", ne + "-2147483648\n"),
        num("short_line_integer_request", {}, "5\n", "Please provide an argument when running this program."),
        num("short_line_integer_request", {"5"}, "-12\n", "You entered: -12\n"),
        num("short_line_integer_request", {"99"}, "", "You entered: 99\n"),
        num("short_line_integer_request", {"5"}, "123456789", "You entered: 1234567\n"),
        num("discarded_input_argument_echo", {"42abc"}, "999\n", ie + "42\n"),
        num("discarded_input_argument_echo", {"2147483648"}, "", ie + "-2147483648\n"),
        num("discarded_input_argument_echo", {big}, "1", ie + "-1\n"),
        num("discarded_input_argument_echo", {}, "", ie + "0\n"),
        num("discarded_input_twice_plus_one", {"5"}, "123456", "Enter a number: Result: 11\n"),
        num("discarded_input_twice_plus_one", {"2147483647"}, "", "Enter a number: Result: -1\n"),
        num("discarded_input_twice_plus_one", {"-2147483648"}, "", "Enter a number: Result: 1\n"),

        num("ranged_integer_line_gate", {"x"}, "1", gate),
        num("ranged_integer_line_gate", {"x"}, "100\n", gate),
        num("ranged_integer_line_gate", {"x"}, "0\n", bad, 1),
        num("ranged_integer_line_gate", {"x"}, "101\n", bad, 1),
        num("ranged_integer_line_gate", {"x"}, "abc\n", bad, 1, "no number counts as 0"),
        num("ranged_integer_line_gate", {"x"}, "\n50\n", bad, 1, "cut at the first newline"),
        num("ranged_integer_line_gate", {"x"}, "4294967297", gate, 0, "low 32 bits: 1"),
        num("ranged_integer_line_gate", {"7"}, "", gate),
        num("ranged_integer_line_gate", {}, "", bad, 1),

        num("factorial_retry_prompt", {"x"}, "a\n5\n", fact + retry + "The factorial of 5 is: 120\n"),
        num("factorial_retry_prompt", {"x"}, "0\n", fact + "The factorial of 0 is: 1\n"),
        num("factorial_retry_prompt", {"x"}, "-3\n", fact + "The factorial of -3 is: 1\n"),
        num("factorial_retry_prompt", {"x"}, "13\n", fact + "The factorial of 13 is: 1932053504\n", 0, "wraps"),
        num("factorial_retry_prompt", {"x"}, "2147483647\n", fact + "The factorial of 2147483647 is: 0\n"),
        num("factorial_retry_prompt", {"4"}, "", fact + "The factorial of 4 is: 24\n", 0, "argument's text"),
        num("factorial_retry_prompt", {"x"}, "", fact, 1, "end of input, no number"),
        num("factorial_retry_prompt", {"x"}, "abc\n\n", fact + retry + retry, 1),
        num("factorial_retry_prompt", {}, repeat("z", 250) + "\n", fact + retry + retry + retry, 1,
            "a long line is three reads"),

        num("odd_values_table", {"x"}, "3\n",
            "Enter a number: " + row(0) + row(1) + row(2)),
        num("odd_values_table", {"2"}, "",
            "Enter a number: " + row(0) + row(1)),
        num("odd_values_table", {"x"}, "-5\n", "Enter a number: "),
        num("odd_values_table", {"x"}, big, "Enter a number: "),

        num("square_each_argument_prompt", {"3", "-2", "4"}, "x\n",
            "The square of 3 is 9\nInvalid input. Please enter a positive number: The square of 4 is 16\n"),
        num("square_each_argument_prompt", {"46341", "abc"}, "", "The square of 46341 is -2147479015\nThe square of 0 is 0\n"),
        num("square_each_argument_prompt", {"-1", "-2147483648"}, "a\n",
            repeat("Invalid input. Please enter a positive number: ", 2)),
        num("square_each_argument_prompt", {}, "1\n2\n", repeat("Please enter a number: ", 3), 0, "stops at end of input"),
        num("square_each_argument_prompt", {}, repeat("9", 250), repeat("Please enter a number: ", 4)),
        num("square_each_argument_prompt", {}, "", "Please enter a number: "),

        num("silent_number_input", {}, big, "Enter a number: "),
        num("silent_number_input", {}, "", "Enter a number: "),
    };
}

// Reads sized by the argument's own length L (at most L-1 characters).
std::vector<Case> argument_length_cases() {
    auto len = [](std::string program, std::vector<std::string> args, std::string input, std::string out,
                  int status = 0, std::string note = "") {
        return Case{.program = program, .args = args, .out = out, .status = status, .input = input, .note = note};
    };
    const std::string oi = "Input: Output: ";
    const std::string empty = "Input: Input cannot be empty.\n";
    const std::string name = "Enter your name: ";
    return {
        len("length_bounded_echo", {"abc"}, "hello\n", oi + "he\n"),
        len("length_bounded_echo", {"a"}, "hello", oi + "\n", 0, "one character: only the terminator"),
        len("length_bounded_echo", {"abc"}, "", oi + "abc\n"),
        len("length_bounded_echo", {}, "hello", oi + "\n"),

        len("nonempty_line_echo", {"abcdef"}, "hi\n", empty, 1, "the newline fits"),
        len("nonempty_line_echo", {"abc"}, "hello\n", oi + "he"),
        len("nonempty_line_echo", {"abcdef", "x"}, "hi\n", oi + "hi\n", 0, "count of 3 less 1"),
        len("nonempty_line_echo", {"ab"}, "#x", empty, 1, "exactly #"),
        len("nonempty_line_echo", {"abc"}, "#\n", empty, 1),
        len("nonempty_line_echo", {"#"}, "", oi),
        len("nonempty_line_echo", {"hello"}, "", oi + "hello"),
        len("nonempty_line_echo", {}, "hi\n", empty, 1),

        len("name_first_word", {"xxxxxxxxxx"}, "  Bob Smith\n", name + "Bob\n"),
        len("name_first_word", {"abc"}, "Alexandra", name + "Al\n"),
        len("name_first_word", {"xxxxxx"}, "   \n", name + "\n", 0, "no word"),
        len("name_first_word", {"Carol Ann"}, "", name + "Carol\n"),
        len("name_first_word", {}, "Bob\n", name + "\n"),
    };
}

// Refusals, argument-count checks and blank-separated words of a line.
std::vector<Case> check_cases() {
    const std::string usage = "Usage: %s [input]\n";
    const std::string cmd = "Enter your command: ";
    const std::string greet = "Enter your name (or press Ctrl-D to exit): ";
    return {
        {.program = "short_line_echo_usage", .out = "Usage: ./short_line_echo_usage [input]\n", .status = 1},
        {.program = "short_line_echo_usage", .args = {"a", "b"}, .out = harness::with_name(usage, "/x/p"), .status = 1,
         .input = "hi\n", .argv0 = "/x/p"},
        {.program = "short_line_echo_usage", .args = {"x"}, .out = "Input: hello w\n", .input = "hello world\n"},
        {.program = "short_line_echo_usage", .args = {"abc"}, .out = "Input: abc\n"},
        {.program = "short_line_echo_usage", .args = {""}, .out = "Error: Input cannot be empty.\n", .status = 1},
        {.program = "short_line_echo_usage", .args = {"x"}, .out = "Error: Input cannot be empty.\n", .status = 1,
         .input = std::string("\0z\n", 3), .note = "a line starting with NUL"},

        {.program = "name_greeting_ctrl_d", .args = {"x"}, .out = greet + "Hello, Ann\n!\n", .input = "Ann\n"},
        {.program = "name_greeting_ctrl_d", .args = {"x"}, .out = greet + "Hello, x!\n"},
        {.program = "name_greeting_ctrl_d", .out = greet + "Invalid input.\n", .status = 1, .input = "Ann\n"},
        {.program = "name_greeting_ctrl_d", .args = {"a", "b"}, .out = greet + "Invalid input.\n", .status = 1},

        {.program = "input_file_claim", .args = {"a.txt"}, .out = "Invalid filename. Please try again\n", .status = 1},
        {.program = "input_file_claim", .out = "Error: Invalid number of arguments\n", .status = 1, .input = "a.txt\n"},
        {.program = "input_file_claim", .args = {"a", "b"}, .out = "Error: Invalid number of arguments\n", .status = 1},

        {.program = "token_split_lines", .args = {"x"}, .out = cmd + "a\nb\n\n", .input = "a b\n"},
        {.program = "token_split_lines", .args = {"x"}, .out = cmd + "ls\n-l\n\n", .input = "  ls   -l\n"},
        {.program = "token_split_lines", .args = {"x"}, .out = cmd + "Invalid input\n", .status = 1, .input = "rm #x\n"},
        {.program = "token_split_lines", .args = {"ls -a"}, .out = cmd + "ls\n-a\n", .note = "argument's text"},
        {.program = "token_split_lines", .out = cmd + "Invalid input\n", .status = 1, .note = "empty"},
        {.program = "token_split_lines", .args = {"x"}, .out = cmd + repeat("ab\n", 33), .input = repeat("ab ", 40),
         .note = "99 characters read"},
    };
}

// Words read as "%s" reads them, of any length.
std::vector<Case> word_cases() {
    const std::string name = "Enter your name: ";
    const std::string sorry = "Sorry, you are not old enough to vote yet.";
    const std::string vote = "You are eligible to vote.\n";
    return {
        {.program = "word_puts_echo", .args = {"x"}, .out = "Input: hi\n", .input = " hi there"},
        {.program = "word_puts_echo", .args = {"x"}, .out = "Input: x\n"},
        {.program = "word_puts_echo", .out = "Input: \n", .input = " \n"},
        {.program = "word_output_echo", .args = {"x"}, .out = "Input: Output: word\n", .input = "\n\t word rest"},
        {.program = "word_output_echo", .args = {"x"}, .out = "Input: Output: " + long_text + "\n", .input = long_text},
        {.program = "word_output_echo", .args = {"arg"}, .out = "Input: Output: arg\n"},
        {.program = "name_word_greeting", .args = {"x"}, .out = name + "Hello Bob!\n", .input = "Bob Smith\n"},
        {.program = "name_word_greeting", .args = {"Zed"}, .out = name + "Hello Zed!\n"},
        {.program = "name_word_greeting_twin", .args = {"x"}, .out = name + "Hello Bob!\n", .input = "Bob Smith\n"},
        {.program = "name_word_greeting_twin", .out = name + "Hello " + long_text + "!\n", .input = long_text},
        {.program = "silent_word_input", .args = {"x"}, .out = "Input: ", .input = long_text},
        {.program = "silent_name_input", .args = {"x"}, .out = name, .input = "Bob\n"},

        {.program = "word_echo_checked", .out = "Input: Output: hello\n", .input = "  hello world"},
        {.program = "word_echo_checked", .out = "Input: Output: " + long_text + "\n", .input = long_text},
        {.program = "word_echo_checked", .args = {"x"}, .out = "Input: ", .err = "Invalid input.\n", .status = 1},
        {.program = "word_echo_checked", .out = "Input: ", .err = "Invalid input.\n", .status = 1, .input = " \n\t"},

        {.program = "word_initials", .out = "Enter a string: hbw", .input = "hello big\nworld\n"},
        {.program = "word_initials", .out = "Enter a string: el", .input = "extraordinarily long",
         .note = "a long word has one initial"},
        {.program = "word_initials", .out = "Enter a string: "},

        {.program = "voting_age_prompt", .out = name + vote, .input = "abcdefgh18"},
        {.program = "voting_age_prompt", .out = name + sorry, .input = "abcdefgh17"},
        {.program = "voting_age_prompt", .out = name + sorry, .input = "Elizabeth17", .note = "atoi of h17"},
        {.program = "voting_age_prompt", .out = name + sorry, .input = "abcdefgh", .note = "eight characters"},
        {.program = "voting_age_prompt", .out = name + sorry},
        {.program = "voting_age_prompt", .out = name + vote, .input = "  abcdefgh99 x"},
        {.program = "voting_age_prompt", .out = name + vote, .input = "abcdefgh30" + long_text},
    };
}

const std::vector<Case> fixed_line_table = fixed_line_cases();
const std::vector<Case> number_table = number_cases();
const std::vector<Case> argument_length_table = argument_length_cases();
const std::vector<Case> check_table = check_cases();
const std::vector<Case> word_table = word_cases();

// Every program with arguments and input at the extremes: missing, empty,
// 10 000 bytes, INT_MAX, INT_MIN, 20 digits.
std::vector<harness::Run> probe_runs() {
    const char* programs[] = {
        "ranged_integer_line_gate", "factorial_retry_prompt", "nonempty_line_echo", "token_split_lines",
        "name_first_word", "short_line_integer", "discarded_input_argument_echo", "square_each_argument_prompt",
        "discarded_input_twice_plus_one", "ten_slot_line_filter", "odd_values_table", "voting_age_prompt",
        "word_echo_checked", "short_line_echo_usage", "name_greeting_ctrl_d", "line_integer_echo",
        "length_bounded_echo", "short_line_integer_request", "word_initials", "input_file_claim",
        "name_greeting_newline_prompt", "word_puts_echo", "short_string_echo", "short_value_echo",
        "name_word_greeting", "line_output_echo", "word_output_echo", "short_output_echo",
        "short_output_echo_twin", "name_word_greeting_twin", "text_block_echo", "short_string_reader",
        "silent_word_input", "silent_number_input", "silent_name_input", "silent_line_input"};
    std::vector<harness::Run> runs;
    for (const char* p : programs) {
        runs.push_back({.program = p});
        runs.push_back({.program = p, .args = {""}, .input = std::string(10000, 'x')});
        runs.push_back({.program = p, .args = {long_text, "2147483647", "-2147483648", big, ""},
                        .input = repeat("w ", 5000)});
        runs.push_back({.program = p, .args = {"-2147483648", "2147483647"}, .input = "-2147483648\n" + big + "\n"});
    }
    return runs;
}
const std::vector<harness::Run> probe_table = probe_runs();

}  // namespace

HARNESS_TABLE(FixedLineReads, fixed_line_table);
HARNESS_TABLE(NumberReads, number_table);
HARNESS_TABLE(ArgumentLengthReads, argument_length_table);
HARNESS_TABLE(ChecksAndSplits, check_table);
HARNESS_TABLE(WordReads, word_table);
HARNESS_PROBES(Extremes, probe_table);
