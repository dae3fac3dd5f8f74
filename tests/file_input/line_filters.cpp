// Programs that read a file with a line loop and print something derived from
// each piece: a number, a first word or field, the piece reversed or
// rewritten, only the pieces that pass a test. Their refusals and open
// failures come from one table; then each program's own behaviour around its
// buffer size, empty files, missing final newlines and unusual input.
#include "harness/harness.hpp"

using harness::Case;
using harness::Run;

namespace {

enum Stream { out, err };
enum Count { exactly_one, exactly_two, at_least_one, unchecked };

struct Frame {
    const char* program;
    Count count;
    const char* usage;    // status 1; "%s" is the invocation name
    const char* failure;  // for a missing file; "%s" is its name
    Stream failure_on;
    int failure_status;
};

const char* const enoent = "Error opening file: No such file or directory\n";

// clang-format off
const Frame frames[] = {
    {"line_integer_values", exactly_one, "Usage: %s input_file\n", "Failed to open input file.\n", out, 1},
    {"first_field_of_lines", exactly_one, "Usage: %s filename\n", enoent, err, 1},
    {"keyword_line_reporter", exactly_one, "Usage: %s input_file\n", enoent, err, 1},
    {"first_ten_lines_required", at_least_one, "Usage: %s INPUT_FILE\n", enoent, out, 1},
    {"first_word_of_lines", exactly_one, "Usage: %s input_file\n", "Error: input file not found.\n", out, 1},
    {"spaces_to_underscores", exactly_one, "Usage: %s <input_file>\n", "Error: Unable to open input file %s\n", out, 1},
    {"include_line_reporter", exactly_one, "Usage: %s filename\n", "Error: cannot open file %s\n", out, 1},
    {"reverse_each_line", exactly_one, "Usage: ./reverse_input input_file\n", "Error: could not open input file.\n", out, 1},
    {"hello_world_line_filter", exactly_one, "Please provide an input file name as the first argument\n", "Error: could not open input file\n", out, 1},
    {"name_per_worded_line", exactly_two, "Usage: %s filename\n", "Error: cannot open file %s\n", out, 2},
    {"lines_until_blank", exactly_one, "Usage: %s input_file\n", "Error: file not found or could not open.\n", out, 2},
    {"even_numbered_pieces", exactly_one, "Usage: %s input_file\n", "Error: could not open %s\n", out, 1},
    {"skip_blank_start_lines", at_least_one, "Usage: %s filename\n", "Error: Could not open file %s.\n", out, 2},
    {"words_of_each_line", exactly_one, "Usage: %s input_file\n", "Error opening input file.\n", out, 2},
    {"double_line_integers", exactly_one, "Usage: %s input_file\n", enoent, err, 1},
    {"mark_after_dash_pieces", exactly_one, "Usage: %s filename\n", "Error: could not open %s\n", out, 1},
    {"line_prefix_until_nul", unchecked, nullptr, "Error: could not open input file\n", out, 1},
    {"pieces_with_file_name", unchecked, nullptr, "Error: input file cannot be opened.\n", out, 1},
    {"first_piece_then_close", exactly_one, "Usage: %s <input_file>\n", "Error: could not open file\n", out, 1},
    {"words_of_first_piece", exactly_one, "Usage: %s input_file\n", "Error: file not found\n", out, 1},
};
// clang-format on

std::vector<Case> frame_cases() {
    std::vector<Case> cases;
    for (const Frame& f : frames) {
        const std::string usage = f.usage ? harness::with_name(f.usage, std::string("./") + f.program) : "";
        std::vector<std::string> args = {"missing.txt"};
        if (f.count == exactly_two) args.push_back("word");
        Case failed{.program = f.program, .args = args, .status = f.failure_status, .note = "missing file"};
        (f.failure_on == err ? failed.err : failed.out) = harness::with_name(f.failure, "missing.txt");
        cases.push_back(failed);
        if (f.count == unchecked) {
            Case none = failed;
            none.args = {};
            none.note = "no argument: no file to open";
            cases.push_back(none);
            continue;
        }
        cases.push_back({.program = f.program, .out = usage, .status = 1, .note = "no argument"});
        if (f.count == exactly_one)
            cases.push_back({.program = f.program, .args = {"t", "t"}, .out = usage, .status = 1,
                             .files = {{"t", "x\n"}}, .note = "two arguments"});
        if (f.count == exactly_two) {
            cases.push_back({.program = f.program, .args = {"t"}, .out = usage, .status = 1, .files = {{"t", "x\n"}}});
            cases.push_back({.program = f.program, .args = {"t", "w", "x"}, .out = usage, .status = 1,
                             .files = {{"t", "x\n"}}});
        }
    }
    return cases;
}

// A run on the file "t" holding `text`.
Case on(const char* program, const std::string& text, const std::string& output, const char* note = "",
        int status = 0) {
    return {.program = program, .args = {"t"}, .out = output, .status = status, .files = {{"t", text}}, .note = note};
}

std::string numbered(int n) {
    std::string s;
    for (int i = 1; i <= n; i++) s += "l" + std::to_string(i) + "\n";
    return s;
}
std::string numbered_puts(int n) {
    std::string s;
    for (int i = 1; i <= n; i++) s += "l" + std::to_string(i) + "\n\n";
    return s;
}

const std::string s = "x";
const std::string a255(255, 'a'), a1020(1020, 'a'), n99(99, 'n'), n100(100, 'n'), n200(200, 'n'),
    long_name(5000, 'p');

std::vector<Case> trait_cases() {
    const std::string nul_line("a\n\0b\nc\n", 7);
    return {
        on("line_integer_values", "42\nabc\n\n-7xyz\n99999999999999999999\n4294967297",
           "42\n0\nEmpty line.\n-7\n-1\n1\n", "letters give 0; long values keep their low 32 bits"),
        on("line_integer_values", std::string(1022, '0') + "7\n", "7\nEmpty line.\n", "newline arrives alone"),

        on("first_field_of_lines", "a\tb\n\tc\nd e\n", "aad e", "a leading tab keeps the previous field"),
        on("first_field_of_lines", "\nx", "tx", "the field starts as the file name"),
        {.program = "first_field_of_lines", .args = {n200}, .out = n99, .files = {{n200, "\n"}},
         .note = "a long file name is cut to the field buffer"},

        on("keyword_line_reporter", "Input\nInput", "Invalid input.\nx is -1\n", "only a last line matches"),
        on("keyword_line_reporter", "Profile-Guided Instrumentation", "y is -1\n"),
        on("keyword_line_reporter", "Middle-End", "z is -1\n"),

        on("first_ten_lines_required", numbered(10), numbered_puts(10), "exactly ten"),
        on("first_ten_lines_required", numbered(11), numbered_puts(10), "the eleventh is not printed"),
        {.program = "first_ten_lines_required", .args = {"t"}, .out = numbered_puts(9),
         .err = "Error: Not enough input data.\n", .status = 1, .files = {{"t", numbered(9)}}},
        {.program = "first_ten_lines_required", .args = {"t", "more"}, .out = "END\n\n",
         .err = "Error: Not enough input data.\n", .status = 1, .files = {{"t", "END\nEND"}},
         .note = "only a final END without newline stops; later arguments ignored"},

        on("first_word_of_lines", "  hello world\nbye\n", "hello\nbye\n"),
        on("first_word_of_lines", "a\n\nb\n", "a\nError: invalid input format.\n", "blank line", 1),
        on("first_word_of_lines", std::string(150, 'w') + "\n", std::string(99, 'w') + "\n" + std::string(51, 'w') + "\n"),
        on("first_word_of_lines", "", ""),

        {.program = "echo_lines_prompted_name", .out = "Input file name:\nProcessing line: a\nProcessing line: b\n",
         .input = "t\n", .files = {{"t", "a\nb"}}},
        {.program = "echo_lines_prompted_name",
         .out = "Input file name:\nProcessing line: " + std::string(999, 'x') + "\nProcessing line: \n", .input = "t",
         .files = {{"t", std::string(999, 'x') + "\n"}}, .note = "999-byte pieces"},
        {.program = "echo_lines_prompted_name", .out = "Input file name:\nProcessing line: ok\n", .input = n99 + "\n",
         .files = {{n99, "ok\n"}}},
        {.program = "echo_lines_prompted_name", .out = "Input file name:\nError: File not found.\n", .status = 1,
         .input = n100 + "\n", .files = {{n99, "ok\n"}}, .note = "a name too long for the buffer is refused"},
        {.program = "echo_lines_prompted_name", .out = "Input file name:\nError: File not found.\n", .status = 1,
         .note = "no input"},
        {.program = "echo_lines_prompted_name", .out = "Input file name:\nError: File not found.\n", .status = 1,
         .input = "\nt\n", .files = {{"t", "a\n"}}, .note = "an empty first line"},

        {.program = "error_line_scanner", .out = "Usage: ./error_line_scanner input_file output_file\n", .status = 1},
        {.program = "error_line_scanner", .args = {"t"}, .out = "Usage: ./error_line_scanner input_file output_file\n",
         .status = 1, .files = {{"t", "x\n"}}},
        {.program = "error_line_scanner", .args = {"t", "o", "x"},
         .out = "Usage: ./error_line_scanner input_file output_file\n", .status = 1, .files = {{"t", "x\n"}}},
        {.program = "error_line_scanner", .args = {"t", "o"}, .out = "Error: ERR bad\n\n", .status = 1,
         .files = {{"t", "ok line\nERR bad\nERR more\n"}, {"o", "old"}},
         .files_after = harness::Files{{"t", "ok line\nERR bad\nERR more\n"}, {"o", ""}}},
        {.program = "error_line_scanner", .args = {"t", "o"}, .out = "Error: ERR\n\n", .status = 1,
         .files = {{"t", std::string(99, 'a') + "ERR\n"}},
         .files_after = harness::Files{{"t", std::string(99, 'a') + "ERR\n"}, {"o", ""}}, .note = "99-byte pieces"},
        {.program = "error_line_scanner", .args = {"t", "o"}, .files = {{"t", "fine words\n eRR\n"}},
         .files_after = harness::Files{{"t", "fine words\n eRR\n"}, {"o", ""}}},
        {.program = "error_line_scanner", .args = {"-eof", "o"}, .files = {{"-eof", "fine\nERR x\n"}},
         .files_after = harness::Files{{"-eof", "fine\nERR x\n"}, {"o", ""}}, .note = "first piece only"},
        {.program = "error_line_scanner", .args = {"missing", "o"}, .out = "Error: Unable to open file.\n", .status = 1,
         .files_after = harness::Files{{"o", ""}}},
        {.program = "error_line_scanner", .args = {"t", "nodir/o"}, .out = "Error: Unable to open file.\n", .status = 1,
         .files = {{"t", "ERR\n"}}},

        on("spaces_to_underscores", "a b  c\nd e", "a_b__c\nd_e"),

        on("include_line_reporter", "#include <x>\nint\ninclude include\n", "t\nt\n"),
        on("include_line_reporter", a1020 + "include\n", "", "the word cut by the 1023-byte buffer"),

        on("reverse_each_line", "abc\n", "\ncba\n"),
        on("reverse_each_line", "xy", "yx\n"),
        on("reverse_each_line", a255 + "b\n", a255 + "\n\nb\n", "255-byte pieces"),

        on("hello_world_line_filter", "Hello world\nHello World\nHello worldly\nHello",
           "Input: Hello world\n\nInvalid input. Please enter 'Hello world' only\nInput: Hello worldly\n\n"
           "Invalid input. Please enter 'Hello world' only\n"),

        {.program = "args_then_input_txt", .args = {"a", "b c"}, .out = "a b c \nx\n\ny\n",
         .files = {{"input.txt", "x\ny"}}},
        {.program = "args_then_input_txt", .args = {"1", "2", "3", "4", "5", "6", "7", "8", "9"},
         .out = "1 2 3 4 5 6 7 8 9 \n", .files = {{"input.txt", ""}}, .note = "nine arguments"},
        {.program = "args_then_input_txt", .args = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"},
         .out = "Too many arguments!\n", .status = 1, .files = {{"input.txt", "x\n"}}},
        {.program = "args_then_input_txt", .out = "\nCannot open file!\n", .status = 1},
        {.program = "args_then_input_txt", .out = "\n" + std::string(99, 'q') + "\nq\n",
         .files = {{"input.txt", std::string(100, 'q')}}, .note = "99-byte pieces"},

        {.program = "name_per_worded_line", .args = {"t", "w"}, .out = "t\nt\n", .files = {{"t", "w\n \t \nx y\n"}}},

        on("lines_until_blank", "a\nb\n\nc\n", "a\nb\n"),
        on("lines_until_blank", a255 + "\nc\n", a255 + "\n", "the newline arriving alone ends the loop"),

        on("even_numbered_pieces", "1\n2\n3\n", "1\n\n3\n\nLDBL_MAX_10_EXP: 1024\n"),
        on("even_numbered_pieces", "", "LDBL_MAX_10_EXP: 1024\n"),

        {.program = "prompted_path_lines_until_end", .out = "Input file path:\nLine: a\n\nLine: END\n\n",
         .input = "  t more", .files = {{"t", "a\nEND\nEND"}}},
        {.program = "prompted_path_lines_until_end", .out = "Input file path:\nLine: " + a255 + "\nLine: \n\n",
         .input = "t", .files = {{"t", a255 + "\n"}}},
        {.program = "prompted_path_lines_until_end", .out = "Input file path:\nError opening file.\n", .status = 1,
         .note = "no input"},
        {.program = "prompted_path_lines_until_end", .out = "Input file path:\nError opening file.\n", .status = 1,
         .input = long_name, .note = "a path beyond the system's limit"},

        on("skip_blank_start_lines", "a\n b\n\tc\n\nd", "a\n\nd\n"),
        {.program = "skip_blank_start_lines", .args = {"t", "x"}, .out = "a\n\n", .files = {{"t", "a\n"}}},

        on("words_of_each_line", "one two\n  three\n\n", "one\ntwo\nthree\n"),
        on("words_of_each_line", std::string(300, 'w'), std::string(255, 'w') + "\n" + std::string(45, 'w') + "\n"),

        on("double_line_integers", "21\n-4\nabc\n1073741824\n99999999999999999999\n",
           "42\n-8\n0\n-2147483648\n-2\n", "32-bit wrap"),

        on("mark_after_dash_pieces", "a-b\nc-\nxxxxxx-y\na--b", "0: a-*\n\n1: c-*\n2: xxxxxx-\n3: y\n\n4: a-*b\n",
           "a dash that ends a piece marks nothing"),

        on("line_prefix_until_nul", nul_line, "Line: a\n\n", "stops at a NUL"),
        on("line_prefix_until_nul", "x", "Line: x\n"),

        {.program = "input_txt_feof_echo", .out = "a\n\nb\n\nb\n\n", .files = {{"input.txt", "a\nb\n"}}},
        {.program = "input_txt_feof_echo", .out = "a\n\nb\n", .files = {{"input.txt", "a\nb"}}},
        {.program = "input_txt_feof_echo", .args = {"start"}, .out = "start\n", .files = {{"input.txt", ""}}},
        {.program = "input_txt_feof_echo", .args = {std::string(10000, 'z')}, .out = std::string(99, 'z') + "\n",
         .files = {{"input.txt", ""}}, .note = "the argument is cut to the buffer"},
        {.program = "input_txt_feof_echo", .args = {"d"}, .out = "d\n",
         .note = "a read error ends the loop", .dirs = {"input.txt"}},
        {.program = "input_txt_feof_echo", .out = "Error: File not found\n", .status = 1},

        on("pieces_with_file_name", "abcdefghij\n", "Input: t\nabcdefgInput: t\nhij\n"),

        on("first_piece_then_close", "x", "\n"),
        on("first_piece_then_close", "", ""),

        on("words_of_first_piece", "ab cd\tef gh\n", "ab\ncd\ne\n", "7 bytes only"),
        on("words_of_first_piece", "", "Error: file read error\n", "empty file", 1),

        // What is printed before the replacement arrives through the pipe.
        {.program = "exec_after_prompted_echo", .args = {"echo"}, .out = "Input: a\n\nInput: b\necho\n",
         .input = "skipped line\nt\n", .files = {{"t", "a\nb"}}},
        {.program = "exec_after_prompted_echo", .args = {"echo"}, .out = "Error: invalid input.\necho\n",
         .input = "one line\n"},
        {.program = "exec_after_prompted_echo", .args = {"echo"}, .out = "Error: could not open input file.\necho\n",
         .input = "\nmissing\n"},
        {.program = "exec_after_prompted_echo", .args = {"echo"}, .out = "Error: could not open input file.\necho\n",
         .input = "\n" + long_name, .note = "a path beyond the system's limit"},
        {.program = "exec_after_prompted_echo", .args = {"echo", "x y"},
         .out = "Error: invalid number of arguments.\necho x y\n"},
        {.program = "exec_after_prompted_echo",
         .out = "Error: invalid number of arguments.\nError: could not execute the program.\n", .status = 2,
         .note = "no argument: nothing to start"},
        {.program = "exec_after_prompted_echo", .args = {"./no-such-program"},
         .out = "Error: invalid input.\nError: could not execute the program.\n", .status = 2},
    };
}

// Files and arguments at the extremes for every program that reads a file.
std::vector<Run> probe_runs() {
    const std::string wild = std::string(10000, '-') + "\n" + std::string("\0\n\t\n-\n", 6) + "-2147483648 20000000000000000000";
    std::vector<Run> runs;
    for (const Frame& f : frames) {
        Run r{.program = f.program, .args = {"t"}, .files = {{"t", wild}}};
        if (f.count == exactly_two) r.args.push_back(std::string(10000, 'w'));
        runs.push_back(r);
    }
    runs.push_back({.program = "args_then_input_txt", .args = {"", std::string(10000, 'a')}, .files = {{"input.txt", wild}}});
    runs.push_back({.program = "input_txt_feof_echo", .args = {""}, .files = {{"input.txt", wild}}});
    runs.push_back({.program = "error_line_scanner", .args = {"t", "o"}, .files = {{"t", wild}}});
    runs.push_back({.program = "echo_lines_prompted_name", .input = std::string(10000, 'n'), .files = {}});
    runs.push_back({.program = "prompted_path_lines_until_end", .input = "t", .files = {{"t", wild}}});
    runs.push_back({.program = "exec_after_prompted_echo", .args = {"true"}, .input = std::string(10000, 'l') + "\nt",
                    .files = {{"t", wild}}});
    return runs;
}

const std::vector<Case> frame_table = frame_cases();
const std::vector<Case> trait_table = trait_cases();
const std::vector<Run> probe_table = probe_runs();

}  // namespace

HARNESS_TABLE(LineFilterFrames, frame_table);
HARNESS_TABLE(LineFilterTraits, trait_table);
HARNESS_PROBES(LineFilterProbes, probe_table);
