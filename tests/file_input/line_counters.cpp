// Programs that read a named file without echoing it: they report on its first
// piece, or read it whole and report a count or a summary, or read it
// silently. Their refusals and open failures come from one table; then each
// program's own report, around its buffer size, for empty files and files
// without a final newline.
#include "harness/harness.hpp"

using harness::Case;
using harness::replace_all;

namespace {

enum Stream { out, err };
enum Count { exactly_one, exactly_two, at_least_one, unchecked };

struct Frame {
    const char* program;
    Count count;
    const char* usage;  // status 1; "%s" is the invocation name
    Stream usage_on;
    const char* failure;  // "%s" is the file name, "%e" the error description
    Stream failure_on;
    int failure_status;
};

// clang-format off
const Frame frames[] = {
    {"concatenated_lines_report", exactly_one, "Please provide a BASH file as input\n", out, "Error opening input file\n", out, 2},
    {"xor_report_after_pieces", exactly_one, "Usage: %s <input_file>\n", err, "Error: File %s not found\n", err, 1},
    {"line_length_characters", exactly_one, "Usage: %s <file_name>\n", out, "Error opening file: %e\n", err, 1},
    {"first_line_character_codes", exactly_one, "Usage: %s filename\n", out, "Error opening file.\n", out, 2},
    {"first_line_identifier_chars", exactly_one, "Error: Invalid number of arguments. Usage: %s [input_file]\n", out, "Error: Could not open input file.\n", out, 2},
    {"first_line_nonzero_number", exactly_one, "Error: Please provide one argument\n", out, "Error: Could not open file %s\n", out, 1},
    {"read_all_print_empty_output", exactly_one, "Usage: %s input_file\n", out, "Error: cannot open input file.\n", out, 1},
    {"count_lines_named", unchecked, nullptr, out, "Error opening file.\n", out, 1},
    {"last_piece_after_feof", exactly_one, "Please enter a filename\n", out, "Error opening file\n", out, 1},
    {"empty_lines_chars_bytes", exactly_one, "Usage: %s filename\n", out, "Error opening file %s\n", out, 1},
    {"getline_drain", exactly_one, "Usage: %s input_file\n", out, "Error opening file.\n", out, 2},
    {"file_name_once_if_nonempty", exactly_one, "Usage: %s filename\n", out, "Could not open file: %s\n", out, 1},
    {"input_name_once_if_nonempty", exactly_one, "Usage: %s filename\n", out, "Error opening file: %s\n", out, 2},
    {"word_count_zero_width", exactly_one, "Usage: %s <input_file>\n", out, "Error: File not found.\n", out, 1},
    {"line_count_report", exactly_one, "Usage: %s <file>\n", out, "Error: file not found.\n", out, 1},
    {"silent_read_copied_name", exactly_one, "Usage: %s filename\n", out, "Error: cannot open %s\n", out, 1},
    {"silent_read_8192", exactly_one, "Usage: %s <input_file>\n", out, "Error: File not found or cannot be accessed.\n", out, 1},
    {"silent_read_1024_unchecked", exactly_one, "Usage: %s <input_file>\n", out, "Error opening file: %e\n", err, 1},
    {"silent_read_100_unchecked", exactly_one, "Usage: %s filename\n", out, "Error opening file: %e\n", err, 1},
    {"first_line_contents_of", at_least_one, "Usage: %s filename\n", out, "Error opening file: %e\n", err, 1},
    {"first_seven_processed", exactly_two, "Usage: %s filename.c\n", out, "Error: unable to open file %s\n", out, 1},
    {"first_line_8192", exactly_one, "Usage: %s input_file\n", out, "Error opening file: %s\n", out, 1},
    {"silent_first_line_512", exactly_one, "Usage: %s <input_file>\n", out, "Error opening file: %s\n", out, 2},
    {"first_line_input_output", exactly_one, "Usage: %s input_file\n", out, "Error: file not found or cannot be opened.\n", out, 1},
    {"first_line_read_check", at_least_one, "Usage: %s input_file\n", out, "Error reading input file: %s\n", out, 1},
    {"hello_first_line", exactly_one, "Usage: %s input_file\n", out, "Error opening file: %s\n", out, 1},
    {"first_line_input_output_heading", exactly_one, "Usage: %s input_file\n", out, "Error: file not found\n", out, 1},
    {"pieces_after_first_contents", unchecked, nullptr, out, "Error: could not open file %s\n", out, 1},
    {"name_then_input_pieces", exactly_one, "Usage: program.exe <input_file>\n", out, "The input file name is: %s\nError: %s is not a valid file\n", out, 1},
    {"first_piece_filename_line", exactly_one, "Usage: %s filename\n", out, "Error opening file: %s\n", out, 1},
    {"first_nine_file_contents", exactly_one, "Usage: %s inputFile\n", out, "Error: cannot open file %s\n", out, 2},
    {"first_line_unfilled_output", exactly_one, "Usage: %s input_file\n", out, "Error opening file: %s\n", out, 1},
    {"silent_first_49", exactly_one, "Error: Invalid number of arguments. Please provide only one input file as an argument.", out, "Error: Could not open input file. Please check that the file exists and is in a valid format.", out, 1},
    {"silent_first_line_1000", exactly_one, "Usage: %s file\n", err, "Error opening file.\n", err, 2},
    {"first_nonempty_line", exactly_two, "Usage: %s INPUT_FILE", out, "Error: could not open input file\n", out, 1},
    {"first_line_input_prefix", at_least_one, "Usage: %s input_file\n", out, "Error: could not open file %s\n", out, 1},
    {"first_line_copy_print", exactly_one, "Usage: %s filename\n", err, "./first_line_copy_print: cannot open file %s\n", err, 1},
};
// clang-format on

// The refusals of a wrong count and the failure to open a missing file, or
// one whose name is too long for the system.
std::vector<Case> frame_cases() {
    std::vector<Case> cases;
    for (const Frame& f : frames) {
        const std::string invocation = std::string("./") + f.program;
        std::vector<std::string> one = {"missing.txt"};
        if (f.count == exactly_two) one.push_back("x");
        if (f.usage) {
            Case refused{.program = f.program, .status = 1, .note = "too few arguments"};
            (f.usage_on == err ? refused.err : refused.out) = harness::with_name(f.usage, invocation);
            if (f.count == exactly_two) refused.args = {"t"};
            refused.files = {{"t", "x\n"}};
            cases.push_back(refused);
            if (f.count != at_least_one) {
                refused.args = {"t", "t", "t"};
                refused.note = "too many arguments";
                cases.push_back(refused);
            }
        }
        for (auto [name, error] : {std::pair<std::string, std::string>{"missing.txt", "No such file or directory"},
                                   {std::string(10000, 'n'), "File name too long"}}) {
            std::vector<std::string> args = one;
            args[0] = name;
            Case failed{.program = f.program, .args = args, .status = f.failure_status, .note = "open fails"};
            (f.failure_on == err ? failed.err : failed.out) = replace_all(replace_all(f.failure, "%s", name), "%e", error);
            cases.push_back(failed);
        }
    }
    return cases;
}

const std::string a98(98, 'a'), b99(99, 'b');

Case on(const char* program, const std::string& text, std::string out, std::string note = "", int status = 0) {
    return {.program = program, .args = {"t"}, .out = std::move(out), .status = status, .files = {{"t", text}}, .note = std::move(note)};
}

// Each program's report on files that probe its buffer and its quirks.
std::vector<Case> report_cases() {
    std::vector<Case> c = {
        // Counters.
        on("line_count_report", "", "Line count: 0\n", "empty file"),
        on("line_count_report", a98 + "\n" + b99 + "\nlast", "Line count: 4\n", "a 99-byte line is two pieces"),
        on("count_lines_named", "", "Number of lines in t: 0\n", "empty file"),
        on("count_lines_named", std::string(255, 'x') + "\nend", "Number of lines in t: 3\n", "255 bytes fill the buffer"),
        {.program = "count_lines_named", .args = {"t", "more"}, .out = "Number of lines in t: 1\n", .files = {{"t", "x"}},
         .note = "later arguments ignored"},
        {.program = "count_lines_named", .out = "Invalid filename.\n", .status = 1, .note = "no argument"},
        {.program = "count_lines_named", .args = {""}, .out = "Invalid filename.\n", .status = 1},
        on("empty_lines_chars_bytes", "abc\n\n", "Lines: 1\nCharacters: 4\nBytes: 5\n", "the newline of abc is a character"),
        on("empty_lines_chars_bytes", "", "Lines: 0\nCharacters: 0\nBytes: 0\n"),
        on("empty_lines_chars_bytes", b99 + "\n\nz", "Lines: 2\nCharacters: 100\nBytes: 102\n",
           "the newline after 99 bytes is a line of its own"),
        on("word_count_zero_width", "one two three\nfour\n", "The number of words in t is: 0\n"),
        on("word_count_zero_width", "", "The number of words in t is: 0\n"),
        on("line_length_characters", std::string(64, 'x') + "\n" + std::string(65, 'y') + "\n" + std::string(64, 'z') + "\n",
           "A\nB\n", "lengths 65 and 66, once each, in order"),
        on("line_length_characters", "", ""),
        on("line_length_characters", std::string(300, 'x'), "-\n\xff\n", "pieces of 255 and 45"),
        on("line_length_characters", std::string("\0x\n", 3), std::string("\0\n", 2), "a piece that starts with NUL has length 0"),
        on("concatenated_lines_report", "echo a\necho b\n", "Input file:\necho a\necho b\n\n"),
        on("concatenated_lines_report", "", "Input file:\n\n"),
        on("concatenated_lines_report", std::string(60, 'p') + "\n" + std::string(60, 'q') + "\n",
           "Input file:\n" + std::string(60, 'p') + "\n" + std::string(38, 'q') + "\n", "cut at 99 characters"),
        on("xor_report_after_pieces", "x", "a: 6\nb: 3\na^=b: 6\n"),
        on("xor_report_after_pieces", std::string(1000, 'x'), "a: 6\nb: 3\na^=b: 6\n", "more than 11 pieces"),
        on("xor_report_after_pieces", "", "", "empty file", 1),
        on("read_all_print_empty_output", "data\n", "Output: \n"),
        on("read_all_print_empty_output", "", "Output: \n"),
        on("last_piece_after_feof", "one\ntwo\nthree", "Input: three\n"),
        on("last_piece_after_feof", "one\ntwo\n", "Input: two\n\n", "the final newline is the end of file"),
        on("last_piece_after_feof", "", "Input: \n"),
        {.program = "last_piece_after_feof", .args = {"d"}, .out = "Input: \n", .note = "a read error ends the loop", .dirs = {"d"}},
        on("file_name_once_if_nonempty", "a\nb\nc\n", "File: t\n"),
        on("file_name_once_if_nonempty", "", ""),
        on("input_name_once_if_nonempty", std::string(50, 'k'), "Input: t\n"),
        on("input_name_once_if_nonempty", "", ""),

        // Silent readers.
        on("getline_drain", std::string(10000, 'g') + "\nx", ""),
        on("silent_read_8192", std::string(10000, 's'), ""),
        on("silent_read_1024_unchecked", "x\n", ""),
        on("silent_read_100_unchecked", "", ""),
        on("silent_first_line_512", "x\n", ""),
        on("silent_first_49", std::string(100, 'x'), ""),
        on("silent_first_line_1000", "", ""),
        {.program = "silent_read_copied_name", .args = {std::string(99, 'c')}, .files = {{std::string(99, 'c'), "x\n"}}},
        {.program = "silent_read_copied_name", .args = {std::string(100, 'c')}, .out = "Error: cannot open " + std::string(100, 'c') + "\n",
         .status = 1, .files = {{std::string(100, 'c'), "x\n"}}, .note = "a name that does not fit the copy is refused"},
        on("first_line_read_check", "x", ""),
        on("first_line_read_check", "", "Error reading input file: t\n", "empty file", 1),
        {.program = "first_line_read_check", .args = {"t", "u"}, .files = {{"t", "x\n"}}},

        // First-piece readers.
        on("first_line_number_length", "42 apples\nmore\n", "Input length: 42\n"),
        on("first_line_number_length", "  -7\n", "Input length: -7\n"),
        on("first_line_number_length", "99999999999999999999\n", "Input length: -1\n", "beyond long: the low 32 bits"),
        on("first_line_number_length", "abc\n", "Error: input string must contain a number.\n", "no number", 1),
        on("first_line_number_length", "", "Error: input string must contain a number.\n", "empty file", 1),
        {.program = "first_line_number_length", .args = {"--help", "x"}, .out = "Usage: ./first_line_number_length [filename]\n", .status = 1},
        {.program = "first_line_number_length", .args = {"t", "x", "y"}, .out = "Input length: 5\n", .files = {{"t", "5"}}},
        {.program = "first_line_number_length", .args = {"--help"}, .out = "Error: file --help not found.\n", .status = 1},
        {.program = "first_line_number_length", .out = "Error: file (null) not found.\n", .status = 1, .note = "no argument"},
        on("first_line_character_codes", "A\xe9\n", "A: 65\n\xe9: -23\n\n: 10\n", "codes as signed char, newline included"),
        on("first_line_character_codes", "", "", "empty file", 1),
        on("first_line_identifier_chars", "a1_b\n", "a._b."),
        on("first_line_identifier_chars", "Hello World 123456\n", "Hello.World....", "15 characters at most"),
        on("first_line_identifier_chars", "", ""),
        on("first_line_nonzero_number", "  -12abc\n", "Result: -12\n"),
        on("first_line_nonzero_number", "4294967301\n", "Result: 5\n", "the low 32 bits"),
        {.program = "first_line_nonzero_number", .args = {"t"}, .err = "Error: Invalid input\n", .status = 1, .files = {{"t", "zero\n"}}},
        on("first_line_nonzero_number", "", "Error: No input provided\n", "empty file", 1),
        on("first_line_nonzero_number", std::string("\0" "5\n", 3), "Error: No input provided\n", "empty piece", 1),
        on("first_line_contents_of", "abc\ndef\n", "Contents of t: abc\n\n"),
        on("first_line_contents_of", "", "Contents of t: \n"),
        {.program = "first_line_contents_of", .args = {"t", "missing"}, .out = "Contents of t: z\n", .files = {{"t", "z"}}},
        {.program = "first_seven_processed", .args = {"t", "x"}, .out = "Processed input string:\nabcdefg\n", .files = {{"t", "abcdefghij\n"}}},
        {.program = "first_seven_processed", .args = {"t", "x"}, .out = "Error: unable to read input string from file t\n", .status = 1,
         .files = {{"t", ""}}},
        on("first_line_8192", std::string(8191, 'e') + "f", "Input: " + std::string(8191, 'e') + "\n"),
        on("first_line_8192", "", "Input: \n"),
        on("first_line_input_output", "hi\n", "Input string:\nhi\n\nOutput string:\nhi\n\n"),
        on("first_line_input_output", "", "Error: file read error.\n", "empty file", 1),
        on("hello_first_line", "world", "Hello, world!\n"),
        on("hello_first_line", "world\n", "Hello, world\n!\n"),
        on("hello_first_line", "", "Hello, !\n"),
        on("first_line_input_output_heading", "abc\nd\n", "Input:\nabc\n\nOutput:\n"),
        on("first_line_input_output_heading", "", "Input:\n\nOutput:\n"),
        on("pieces_after_first_contents", "first\nsecond line\nz", "File contents:\nsecond \nline\n\nz\n"),
        on("pieces_after_first_contents", "one", "File contents:\n"),
        on("pieces_after_first_contents", "", "Error: could not read from file t\n", "empty file", 1),
        {.program = "pieces_after_first_contents", .out = "Error: could not open file (null)\n", .status = 1, .note = "no argument"},
        on("name_then_input_pieces", "abcdefghi\n\n", "The input file name is: t\nInput: abcdefg\nInput: hi\n\nInput: \n\n"),
        on("name_then_input_pieces", "", "The input file name is: t\n"),
        on("first_piece_filename_line", "abcdefghi\n", "Input filename:\tabcdefg\nInput line:\tabcdefg\n"),
        on("first_piece_filename_line", "ab\n", "Input filename:\tab\n\nInput line:\tab\n\n"),
        on("first_piece_filename_line", "", "Error reading from file: t\n", "empty file", 1),
        on("first_nine_file_contents", "123456789abc\n", "File contents: \n123456789\n"),
        on("first_nine_file_contents", "", "File contents: \n\n"),
        on("first_line_unfilled_output", "text\n", ""),
        on("first_line_unfilled_output", std::string(3000, 'u'), ""),
        {.program = "first_nonempty_line", .args = {"t", "x"}, .out = "First line: b\n\n", .files = {{"t", std::string("\0a\nb\n", 5)}},
         .note = "a piece that starts with NUL is skipped"},
        {.program = "first_nonempty_line", .args = {"t", "x"}, .out = "First line: \n\n", .files = {{"t", "\n"}}},
        {.program = "first_nonempty_line", .args = {"t", "x"}, .out = "First line: \n", .files = {{"t", ""}}, .note = "no piece at all"},
        on("first_line_input_prefix", b99 + "c", "Input: " + b99 + "\n"),
        on("first_line_input_prefix", "", "Input: \n"),
        on("first_line_copy_print", "one\ntwo\n", "one\n"),
        on("first_line_copy_print", "no newline", "no newline"),
        on("first_line_copy_print", "", ""),
        {.program = "first_line_copy_print", .args = {"m"}, .err = "/x/fl: cannot open file m\n", .status = 1, .argv0 = "/x/fl"},
    };
    return c;
}

// Every program on a 10 000-byte line and on NUL bytes, with its second
// argument where it needs one: it must end normally.
std::vector<harness::Run> probe_runs() {
    std::vector<harness::Run> runs;
    auto add = [&](const char* program, bool two) {
        for (const std::string& text : {std::string(10000, 'L'), std::string(10000, '\0') + "\n" + std::string(5000, 'x') + "\n"}) {
            harness::Run r{.program = program, .args = {"t"}, .files = {{"t", text}}};
            if (two) r.args.push_back("x");
            runs.push_back(r);
        }
    };
    for (const Frame& f : frames) add(f.program, f.count == exactly_two);
    add("first_line_number_length", false);
    return runs;
}

const std::vector<harness::Run> probe_table = probe_runs();
const std::vector<Case> frame_table = frame_cases();
const std::vector<Case> report_table = report_cases();

}  // namespace

HARNESS_TABLE(LineCounterFrames, frame_table);
HARNESS_TABLE(LineCounterReports, report_table);
HARNESS_PROBES(LineCounterProbes, probe_table);
