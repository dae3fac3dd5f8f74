// Programs that compare their arguments with fixed keywords (whole words, or
// only a first letter) and answer each match, or a miss, with a fixed line.
#include "harness/harness.hpp"

using harness::Case;
using harness::Run;

namespace {

const std::string big(10000, 'k');

// The ten runs of ten numbers that number_runs_letter_pair prints first.
std::string number_runs() {
    std::string s;
    for (int k = 0; k < 10; k++)
        for (int j = k; j < k + 10; j++) s += std::to_string(j);
    return s;
}

std::string times(const std::string& line, int n) { return harness::repeat(line, static_cast<size_t>(n)); }

std::vector<Case> keyword_cases() {
    const std::string knr = "keyword_next_argument_reporter";
    const std::string sccc = "stdin_counted_command_check";
    const std::string aoo = "analyze_optimize_options";
    const std::string lmu = "loop_marker_undefined_check";
    const std::string fcr = "first_command_repeater";
    const std::string runs = number_runs();
    std::vector<std::string> twelve_opt(12, "--optimize");
    std::vector<std::string> twelve_p(12, "-p");
    twelve_p[10] = "-f";
    twelve_p[11] = "-l";
    return {
        // keyword_next_argument_reporter
        {.program = knr, .out = "Number of arguments: 1\n", .note = "count includes the invocation name"},
        {.program = knr, .args = {"a", "b"}, .out = "Number of arguments: 3\nUnknown argument: a.\nUnknown argument: b.\n"},
        {.program = knr, .args = {"x", "--version"}, .out = "Number of arguments: 3\nUnknown argument: x.\nVersion: ./keyword_next_argument_reporter\n", .status = 1},
        {.program = knr, .args = {"--help", "-h"}, .out = "Number of arguments: 3\nUsage: /bin/k [options]\n", .status = 1, .argv0 = "/bin/k"},
        {.program = knr, .args = {"-h", "w"}, .out = "Number of arguments: 3\nArgument: w is a keyword for --help.\n", .status = 1},
        {.program = knr, .args = {"-v", "w"}, .out = "Number of arguments: 3\nArgument: w is a keyword for --version.\n", .status = 1},
        {.program = knr, .args = {"--loop", "w"}, .out = "Number of arguments: 3\nArgument: w is a keyword for Loop Vectorization.\n", .status = 1},
        {.program = knr, .args = {"--parse", "%d"}, .out = "Number of arguments: 3\nArgument: %d is a keyword for Parse.\n", .status = 1},
        {.program = knr, .args = {"%Z", "w"}, .out = "Number of arguments: 3\nArgument: w is a keyword for %Z.\n", .status = 1},
        {.program = knr, .args = {"-h"}, .out = "Number of arguments: 2\nArgument: (null) is a keyword for --help.\n", .status = 1, .note = "no next word"},
        {.program = knr, .args = {"--HELP", "-help", "--help "}, .out = "Number of arguments: 4\nUnknown argument: --HELP.\nUnknown argument: -help.\nUnknown argument: --help .\n", .note = "exact, case-sensitive"},

        // stdin_counted_command_check
        {.program = sccc, .out = "Enter a number: Error: incorrect usage.\n", .status = 1, .input = "1\n"},
        {.program = sccc, .args = {"a", "b"}, .out = "Enter a number: Error: incorrect usage.\n", .status = 1, .input = "1\n"},
        {.program = sccc, .args = {"-c"}, .out = "Enter a number: Invalid command.\n", .status = 1, .input = "1\n", .note = "word 0 is examined first"},
        {.program = sccc, .args = {"x"}, .out = "Enter a number: ", .input = "0\n"},
        {.program = sccc, .args = {"x"}, .out = "Enter a number: ", .input = "-5\n"},
        {.program = sccc, .args = {"x"}, .out = "Enter a number: ", .note = "no number read counts as 0"},
        {.program = sccc, .args = {"x"}, .out = "Enter a number: ", .input = "abc\n"},
        {.program = sccc, .args = {"tail"}, .out = "Enter a number: Command: tail\n", .input = "1\n", .argv0 = "-c"},
        {.program = sccc, .args = {"--setjmp"}, .out = "Enter a number: Command: --setjmp\nCommand: (null)\n", .input = "99\n", .argv0 = "--optimization-passes", .note = "bounded by the vector"},
        {.program = sccc, .args = {"y"}, .out = "Enter a number: Command: y\nInvalid command.\n", .status = 1, .input = "2\n", .argv0 = "--dead-code-elimination"},

        // analyze_optimize_options
        {.program = aoo, .out = "Program complete!\n"},
        {.program = aoo, .args = {"-a", "--optimize"}, .out = "Analyzing program...\nOptimizing program...\nProgram complete!\n"},
        {.program = aoo, .args = {"--analyze", "-o"}, .out = "Analyzing program...\nOptimizing program...\nProgram complete!\n"},
        {.program = aoo, .args = {"-x"}, .out = "Invalid argument: -x\n", .status = 1},
        {.program = aoo, .args = {"-a", "-h", "-o"}, .out = "Analyzing program...\nUsage: ./analyze_optimize_options [-h]\n", .status = 1},
        {.program = aoo, .args = {"--help"}, .out = "Usage: p [-h]\n", .status = 1, .argv0 = "p"},

        // loop_marker_undefined_check
        {.program = lmu},
        {.program = lmu, .args = {"a", "--loop", "--undefined"}, .out = "a\n"},
        {.program = lmu, .args = {"a", "--undefined"}, .out = "a\n--undefined\nError: Bounded undefined behavior detected.\n", .status = 1},
        {.program = lmu, .args = {"--undefined2"}, .out = "--undefined2\nError: Bounded undefined behavior detected.\n", .status = 1},
        {.program = lmu, .args = {"-n", "--undefined"}, .out = "-n\n--undefined\n"},
        {.program = lmu, .args = {"-d", "--undefined"}, .out = "-d\n--undefined\n"},
        {.program = lmu, .args = {"a", "b"}, .out = "a\nb\n"},

        // first_command_repeater
        {.program = fcr, .out = "Done.\n"},
        {.program = fcr, .args = twelve_opt, .out = times("Target-specific optimization selected.\n", 10) + "Done.\n"},
        {.program = fcr, .args = {"--optimize", "x", "y"}, .out = times("Target-specific optimization selected.\n", 3) + "Done.\n"},
        {.program = fcr, .args = {"--print", "hi"}, .out = "Printing input: hi.\nPrinting input: hi.\nDone.\n"},
        {.program = fcr, .args = {"--print"}, .out = "Printing input: (null).\nDone.\n", .note = "no second argument"},
        {.program = fcr, .args = {"bad", "--optimize"}, .out = "Invalid command: bad. Please try again.", .status = 1},

        // input_output_selector
        {.program = "input_output_selector", .args = {"a", "input"}, .out = "Input: a\n"},
        {.program = "input_output_selector", .args = {"a", "output"}, .out = "Output: output\n"},
        {.program = "input_output_selector", .args = {"a", "Input"}, .out = "Unknown command.\n", .status = 1},
        {.program = "input_output_selector", .args = {"input"}, .out = "Usage: ./input_output_selector input output\n", .status = 1},
        {.program = "input_output_selector", .args = {"a", "input", "c"}, .out = "Usage: q input output\n", .status = 1, .argv0 = "q"},

        // library_header_names
        {.program = "library_header_names", .out = "Hello, this program includes the following libraries: \n"},
        {.program = "library_header_names", .args = {"math", "x", "stdio", "stdlib", "stdio.h"},
         .out = "Hello, this program includes the following libraries: \nmath.h\nstdio.h\nstdlib.h\n"},

        // topic_starter_messages
        {.program = "topic_starter_messages", .args = {"fenv_t type", "x", "Profile-Guided Instrumentation", "Framework for LLVM transformations", "fenv_t"},
         .out = "Starting fenv_t type...\nStarting Profile-Guided Instrumentation...\nStarting Framework for LLVM transformations...\n"},
        {.program = "topic_starter_messages"},

        // header_name_filter
        {.program = "header_name_filter", .args = {"middle_end.h", "a.h", "currency_symbol.c", "loop_optimizations.h", "middle_end"},
         .out = "middle_end.h\ncurrency_symbol.c\nloop_optimizations.h\n"},
        {.program = "header_name_filter"},

        // valid_input_phrase_filter
        {.program = "valid_input_phrase_filter", .args = {"Valid Input", "valid input", "Invalid Input", ""},
         .out = "Valid Input\nInvalid input: valid input\nInvalid Input\nInvalid input: \n"},
        {.program = "valid_input_phrase_filter"},

        // include_only_arguments
        {.program = "include_only_arguments", .out = "x = 42\ny = 84\nz = 126\n"},
        {.program = "include_only_arguments", .args = {"include", "include"}, .out = "x = 42\ny = 84\nz = 126\n"},
        {.program = "include_only_arguments", .args = {"include", "Include"}, .out = "Error: missing required header file.\n", .status = 1},

        // short_flag_descriptions
        {.program = "short_flag_descriptions", .args = {"-p", "-f", "-l", "-x"}, .out = "Pruning\nFrontend implementation\nLabeled statement\nInvalid input: -x\n"},
        {.program = "short_flag_descriptions", .args = twelve_p, .out = times("Pruning\n", 10), .note = "only the first 10"},
        {.program = "short_flag_descriptions"},

        // number_runs_letter_pair
        {.program = "number_runs_letter_pair", .args = {"Apple", "Bee"}, .out = runs + "Hello, world!\n"},
        {.program = "number_runs_letter_pair", .args = {"B", "C"}, .out = runs + "Goodbye, world!\n"},
        {.program = "number_runs_letter_pair", .args = {"B", "A"}, .out = runs + "Invalid input. Please enter A and B in that order.\n"},
        {.program = "number_runs_letter_pair", .args = {"A"}, .out = runs + "Invalid input. Please enter A and B in that order.\n", .note = "second missing"},
        {.program = "number_runs_letter_pair", .out = runs + "Invalid input. Please enter A and B in that order.\n"},

        // welcome_help_version
        {.program = "welcome_help_version", .args = {"--help"}, .out = "Welcome to the program!\nUsage: ./welcome_help_version [options]\n", .status = 1},
        {.program = "welcome_help_version", .args = {"--version"}, .out = "Welcome to the program!\nThis program version is:\nw\n", .status = 1, .argv0 = "w"},
        {.program = "welcome_help_version", .args = {"-h"}, .out = "Welcome to the program!\nInvalid command. Usage: ./welcome_help_version [options]\n", .status = 1},
        {.program = "welcome_help_version", .out = "Welcome to the program!\nInvalid command. Usage: ./welcome_help_version [options]\n", .status = 1, .note = "no argument"},

        // f_flag_value_writer
        {.program = "f_flag_value_writer", .args = {"foo", "a", "b", "fx"},
         .out = "Function Specialization and Collection of optimization passesbFunction Specialization and Collection of optimization passes"},
        {.program = "f_flag_value_writer", .args = {"a", "f", "c"}, .out = "f", .note = "the word after is written, not tested"},
        {.program = "f_flag_value_writer", .args = {"a"}, .note = "no next word"},
        {.program = "f_flag_value_writer"},

        // goodbye_keyword_echo
        {.program = "goodbye_keyword_echo", .args = {"goodbye", "x"}, .out = "goodbye\nx\nGoodbye! Let's wrap up!"},
        {.program = "goodbye_keyword_echo", .args = {"x", "goodbye"}, .out = "x\ngoodbye\n"},
        {.program = "goodbye_keyword_echo"},

        // switch_value_reporter
        {.program = "switch_value_reporter", .args = {"a", "switch", "v", "switch"},
         .out = "Argument 3: 'v\n', v\nArgument 5: '(null)\n', (null)\n"},
        {.program = "switch_value_reporter", .args = {"switch", "switch", "switch", "w"}, .out = "Argument 2: 'switch\n', switch\nArgument 4: 'w\n', w\n"},
        {.program = "switch_value_reporter", .args = {"Switch"}},

        // inline_heuristics_repeater
        {.program = "inline_heuristics_repeater", .args = {"inlinheuristics", "v"}, .out = "Input: v\nInput: v\nInput: v\n"},
        {.program = "inline_heuristics_repeater", .args = {"inlinheuristics", "v", "w"}, .out = times("Input: v\n", 4)},
        {.program = "inline_heuristics_repeater", .args = {"inlinheuristics"}, .out = "Input: (null)\nInput: (null)\n"},
        {.program = "inline_heuristics_repeater", .args = {"inlineheuristics", "v"}},
        {.program = "inline_heuristics_repeater"},

        // x_letter_ten_check
        {.program = "x_letter_ten_check", .args = {"xyz"}, .out = "Input is equal to 10\nOutput is: 80\n"},
        {.program = "x_letter_ten_check", .args = {"X"}, .out = "Input is not equal to 10\nOutput is not equal to 10\n"},
        {.program = "x_letter_ten_check", .out = "Input is not equal to 10\nOutput is not equal to 10\n"},

        // task_letter_selector
        {.program = "task_letter_selector", .args = {"Apple"}, .out = "Task A\n"},
        {.program = "task_letter_selector", .args = {"B"}, .out = "Task B\n"},
        {.program = "task_letter_selector", .args = {"a"}, .out = "Invalid argument\n", .status = 1},
        {.program = "task_letter_selector", .args = {""}, .out = "Invalid argument\n", .status = 1},
        {.program = "task_letter_selector", .out = "Error: insufficient input\n", .status = 1},
        {.program = "task_letter_selector", .args = {"A", "B"}, .out = "Error: insufficient input\n", .status = 1},

        // target_specific_position
        {.program = "target_specific_position", .args = {"a", "b", "target-specific", "c"}, .out = "Number of command line arguments: 2\n"},
        {.program = "target_specific_position", .args = {"a", "b"}, .out = "Number of command line arguments: 2\n"},
        {.program = "target_specific_position", .args = {"target-specific"}, .out = "Number of command line arguments: 0\n"},
        {.program = "target_specific_position", .out = "Number of command line arguments: 0\n"},

        // dash_prefixed_include_check
        {.program = "dash_prefixed_include_check"},
        {.program = "dash_prefixed_include_check", .args = {"-", "-"}},
        {.program = "dash_prefixed_include_check", .args = {"-", "-x", "y"}, .out = "Missing include: y\n", .status = 255},
        {.program = "dash_prefixed_include_check", .args = {"a", "b"}, .out = "Missing include: b\n", .status = 255},
        {.program = "dash_prefixed_include_check", .args = {"-", "a"}, .out = "Missing include: (null)\n", .status = 255, .note = "no next word"},

        // pgin_stop_puts
        {.program = "pgin_stop_puts", .args = {"a", "b", "-pgin", "c"}, .out = "a\nb\n"},
        {.program = "pgin_stop_puts", .args = {"a", "-PGIN"}, .out = "a\n-PGIN\n"},
        {.program = "pgin_stop_puts"},

        // hello_goodbye_choice
        {.program = "hello_goodbye_choice", .args = {"hello"}, .out = "Hello world!"},
        {.program = "hello_goodbye_choice", .args = {"Hello"}, .out = "Goodbye world!"},
        {.program = "hello_goodbye_choice", .out = "Goodbye world!"},

        // exit_keyword_loop (an argument other than "exit" is probed below)
        {.program = "exit_keyword_loop", .args = {"exit"}},
        {.program = "exit_keyword_loop"},
        {.program = "exit_keyword_loop", .args = {"a", "b"}},
    };
}

HARNESS_TABLE(KeywordEcho, keyword_cases());

// Runs until it is stopped: how much it writes by then depends on the machine.
HARNESS_LABELS(exit_keyword_loop, timing nondeterministic)

PROGRAM_TEST(ExitKeywordLoop, RepeatsUntilStopped, "exit_keyword_loop") {
    harness::Outcome o = harness::run({.program = "exit_keyword_loop", .args = {"EXIT"}, .timeout_seconds = 0.3});
    EXPECT_TRUE(o.timed_out) << o.describe();
    const std::string line = "Loop has been optimized and Vectorization is in action.\n";
    ASSERT_GE(o.out.size(), 10 * line.size());
    EXPECT_EQ(o.out.substr(0, 10 * line.size()), times(line, 10));
    EXPECT_EQ(o.err, "");
}

std::vector<Run> probes() {
    const char* all[] = {"keyword_next_argument_reporter", "analyze_optimize_options", "loop_marker_undefined_check",
                         "first_command_repeater", "input_output_selector", "library_header_names",
                         "topic_starter_messages", "header_name_filter", "valid_input_phrase_filter",
                         "include_only_arguments", "short_flag_descriptions", "number_runs_letter_pair",
                         "welcome_help_version", "f_flag_value_writer", "goodbye_keyword_echo",
                         "switch_value_reporter", "inline_heuristics_repeater", "x_letter_ten_check",
                         "task_letter_selector", "target_specific_position", "dash_prefixed_include_check",
                         "pgin_stop_puts", "hello_goodbye_choice"};
    std::vector<Run> runs;
    for (const char* p : all) {
        runs.push_back({.program = p});
        runs.push_back({.program = p, .args = {""}});
        runs.push_back({.program = p, .args = {big, "", big}});
    }
    for (const char* last : {"-h", "--print", "switch", "inlinheuristics", "-"}) {
        for (const char* p : {"keyword_next_argument_reporter", "first_command_repeater", "switch_value_reporter",
                              "inline_heuristics_repeater", "dash_prefixed_include_check", "f_flag_value_writer"})
            runs.push_back({.program = p, .args = {last}});
    }
    for (const char* n : {"2147483647", "-2147483648", "99999999999999999999", "", "1"})
        runs.push_back({.program = "stdin_counted_command_check", .args = {"--setjmp"}, .argv0 = "-c",
                        .input = n});
    runs.push_back({.program = "stdin_counted_command_check", .args = {big}, .input = big});
    return runs;
}

HARNESS_PROBES(KeywordEchoProbes, probes());

}  // namespace
