// Programs that write files: line and byte copiers from an input file "t" to
// an output file "o", records built from arguments or standard input written
// to output.txt, input.txt or temp.txt, and reports on opens. Every case
// lists the files left behind, so a file emptied, created or left alone is
// checked byte for byte.
#include "harness/harness.hpp"

using harness::Case;
using harness::Files;
using harness::Run;

namespace {

const std::string enoent = "No such file or directory";
const std::string eisdir = "Is a directory";

std::string usage(const char* text, const char* program) { return harness::with_name(text, std::string("./") + program); }

// A copier run on "t" holding `text`, with an old "o" that must be replaced by `written`.
Case copies(const char* program, const std::string& text, std::string written, std::string out = "", std::string note = "") {
    return {.program = program, .args = {"t", "o"}, .out = std::move(out), .files = {{"t", text}, {"o", "old contents\n"}},
            .files_after = Files{{"t", text}, {"o", std::move(written)}}, .note = std::move(note)};
}
// A copier whose input is missing; `created` when it opens the output first.
Case no_input(const char* program, std::string out, std::string err, int status, bool created) {
    return {.program = program, .args = {"missing.txt", "o"}, .out = std::move(out), .err = std::move(err), .status = status,
            .files_after = created ? Files{{"o", ""}} : Files{}, .note = "input missing"};
}
// A copier whose output is a directory.
Case no_output(const char* program, std::string out, std::string err, int status) {
    return {.program = program, .args = {"t", "o"}, .out = std::move(out), .err = std::move(err), .status = status,
            .files = {{"t", "x\n"}}, .note = "output cannot be opened", .dirs = {"o"}};
}
Case refused(const char* program, std::vector<std::string> args, std::string out, std::string err = "") {
    return {.program = program, .args = std::move(args), .out = std::move(out), .err = std::move(err), .status = 1,
            .files = {{"t", "x\n"}}, .note = "argument count"};
}
// A writer of a fixed-name file, run with `args`, leaving `name` with `bytes`.
Case writes(const char* program, std::vector<std::string> args, const char* name, std::string bytes, std::string note = "") {
    return {.program = program, .args = std::move(args), .files_after = Files{{name, std::move(bytes)}}, .note = std::move(note)};
}
std::string bytes(std::initializer_list<int> b) {
    std::string s;
    for (int v : b) s += static_cast<char>(v);
    return s;
}

std::vector<Case> copier_cases() {
    const std::string a1030(1030, 'a'), k2000 = harness::repeat("0123456789", 200);
    const char* perror_copy = "copy_lines_double_newline_perror";
    const char* copy100 = "copy_lines_double_newline_100";
    const char* echo = "copy_lines_echo_and_double_newline";
    const char* count = "copy_lines_count_empty";
    const char* note = "copy_lines_with_argument_note";
    return {
        refused(perror_copy, {"t"}, "", usage("Usage: %s input_file output_file\n", perror_copy)),
        refused(perror_copy, {"t", "o", "x"}, "", usage("Usage: %s input_file output_file\n", perror_copy)),
        no_input(perror_copy, "", "Error opening input file: : " + enoent + "\n", 2, false),
        no_output(perror_copy, "", "Error opening output file: : " + eisdir + "\n", 3),
        copies(perror_copy, "a\nb", "a\n\nb\n", "", "no final newline"),
        copies(perror_copy, a1030 + "\n", std::string(1023, 'a') + "\n" + std::string(7, 'a') + "\n\n", "", "1023-byte pieces"),

        refused(copy100, {}, usage("Usage: %s <input_file> <output_file>\n", copy100)),
        no_input(copy100, "Error: failed to open input/output file\n", "", 1, true),
        no_output(copy100, "Error: failed to open input/output file\n", "", 1),
        copies(copy100, "one\ntwo\n", "one\n\ntwo\n\n"),
        copies(copy100, std::string(100, 'x') + "\n", std::string(99, 'x') + "\nx\n\n", "", "99-byte pieces"),

        refused(echo, {"t"}, usage("Usage: %s input_file output_file\n", echo)),
        no_input(echo, "Error: Could not open input file\n", "", 1, false),
        no_output(echo, "Error: Could not open output file\n", "", 1),
        copies(echo, "ab\ncd", "ab\n\ncd\n", "ab\n\ncd\n"),
        copies(echo, std::string(300, 'e'), std::string(255, 'e') + "\n" + std::string(45, 'e') + "\n",
               std::string(255, 'e') + "\n" + std::string(45, 'e') + "\n", "255-byte pieces"),

        refused(count, {"t", "o", "x"}, usage("Usage: %s input_file output_file\n", count)),
        no_input(count, "Error: ./copy_lines_count_empty: cannot open input file.\n", "", 1, false),
        no_output(count, "Error: ./copy_lines_count_empty: cannot open output file.\n", "", 1),
        copies(count, "a\n\n\nb\n", "a\n\n\n\n\n\nb\n\n", "Processed 2 lines.\n"),
        copies(count, std::string(255, 'c') + "\n", std::string(255, 'c') + "\n\n\n", "Processed 1 lines.\n",
               "the newline of a 255-byte line is a piece of its own"),
        copies(count, "", "", "Processed 0 lines.\n"),

        refused("processed_pieces_to_file", {"t"}, usage("Usage: %s input_file output_file\n", "processed_pieces_to_file")),
        no_input("processed_pieces_to_file", "Error: could not open input file\n", "", 1, false),
        no_output("processed_pieces_to_file", "Error: could not open output file\n", "", 1),
        copies("processed_pieces_to_file", "abcdefghij\nk", "Processed abcdefg\nProcessed hij\n\nProcessed k\n", "", "7-byte pieces"),

        refused("copy_first_line", {"t"}, usage("Usage: %s <input_file> <output_file>\n", "copy_first_line")),
        no_input("copy_first_line", "Error: cannot open missing.txt\n", "", 1, false),
        no_output("copy_first_line", "Error: cannot open o\n", "", 1),
        copies("copy_first_line", "first\nsecond\n", "first\n\n"),
        copies("copy_first_line", "", "\n", "", "empty input"),
        {.program = "copy_first_line", .args = {"t", "o", "extra"}, .files = {{"t", "x"}},
         .files_after = Files{{"t", "x"}, {"o", "x\n"}}, .note = "extra arguments are ignored"},

        refused(note, {"t"}, usage("Usage: %s [file.in] [file.out]\n", note)),
        no_input(note, "Error opening input/output files.\n", "", 1, true),
        no_output(note, "Error opening input/output files.\n", "", 1),
        copies(note, "100%s %n %d\n" + k2000 + "\nend", "100%s %n %d\n" + k2000 + "\nend", "", "text is copied, never used as a format"),

        {.program = "copy_first_kilobyte_padded", .args = {"t"}, .out = "Error: program requires 2 arguments.\n", .status = 1},
        no_input("copy_first_kilobyte_padded", "Error: could not open missing.txt.\n", "", 1, false),
        no_output("copy_first_kilobyte_padded", "Error: could not open o.\n", "", 1),
        copies("copy_first_kilobyte_padded", "abc", "abc" + std::string(1021, '\0')),
        copies("copy_first_kilobyte_padded", k2000, k2000.substr(0, 1024)),

        refused("top_two_bits_copy", {"t"}, usage("Usage: %s input_file output_file\n", "top_two_bits_copy")),
        no_input("top_two_bits_copy", "Error opening file.\n", "", 2, true),
        no_output("top_two_bits_copy", "Error opening file.\n", "", 2),
        copies("top_two_bits_copy", bytes({0xC1, 'A', 0, 0xFF, 0x7F, 0x80}), bytes({3, 1, 0, 3, 1, 2})),
    };
}

std::vector<Case> report_cases() {
    const char* digits = "digits_to_codes_program_text";
    const char* llabs = "llabs_report_to_file";
    const char* name = "invocation_name_size_report";
    const char* tail = "first_line_tail_to_temp";
    return {
        refused(digits, {"t"}, "", usage("Usage: %s <input.llvm> <output.cc>\n", digits)),
        no_input(digits, "", "Could not open input file.: " + enoent + "\n", 1, false),
        no_output(digits, "", "Could not open output file.: " + eisdir + "\n", 1),
        copies(digits, "ab12c\nmore", "int main() {\nab\x01\x02" "c\n}\n}\n", "#include <stdio.h>\nab\x01\x02" "c\n"),
        copies(digits, "x90y", "int main() {\nx\t}\n}\n", "#include <stdio.h>\nx\t", "a '0' ends the text"),
        copies(digits, std::string(25, 'a'), "int main() {\n" + std::string(19, 'a') + "}\n}\n",
               "#include <stdio.h>\n" + std::string(19, 'a'), "19 characters"),
        copies(digits, "", "int main() {\n}\n}\n", "#include <stdio.h>\n", "empty input"),

        refused(llabs, {"t"}, usage("Usage: %s <input_file> <output_file>\n", llabs)),
        copies(llabs, "-42\n", "Input: -42\nOutput:\nllabs(-42) = 42.000000\n"),
        copies(llabs, "-2147483648", "Input: -2147483648\nOutput:\nllabs(-2147483648) = 2147483648.000000\n"),
        copies(llabs, "99999999999999999999", "Input: -1\nOutput:\nllabs(-1) = 1.000000\n", "", "low 32 bits of strtol"),
        copies(llabs, "", "Input: 0\nOutput:\nllabs(0) = 0.000000\n", "", "empty input"),
        {.program = llabs, .args = {"missing.txt", "o"}, .status = 1, .files_after = Files{{"o", ""}}, .note = "input missing"},
        no_output(llabs, "", "", 1),

        refused(name, {"t", "o", "x"}, usage("Usage: %s input_file output_file\n", name)),
        no_input(name, "Error: File not found.\n", "", 1, false),
        {.program = name, .args = {"t", "o"}, .out = "Error: File read error.\n", .status = 1, .files = {{"t", ""}}},
        {.program = name, .args = {"t", "o"}, .out = "File name: ./x/prog\nFile size in bytes: 8\n", .files = {{"t", "line\n"}},
         .argv0 = "./x/prog", .note = "the output file is never opened"},

        refused(tail, {}, usage("Usage: %s filename\n", tail)),
        refused(tail, {"t", "t"}, usage("Usage: %s filename\n", tail)),
        {.program = tail, .args = {"missing.txt"}, .out = "Error: File not found.\n", .status = 1},
        {.program = tail, .args = {"t"}, .out = "Error: File reading failed.\n", .status = 1, .files = {{"t", ""}}},
        {.program = tail, .args = {"t"}, .files = {{"t", "hello\nworld"}, {"temp.txt", "old"}},
         .files_after = Files{{"t", "hello\nworld"}, {"temp.txt", std::string("\n\0\0\0\0\0", 6)}}},
        {.program = tail, .args = {"t"}, .files = {{"t", std::string(150, 'a')}},
         .files_after = Files{{"t", std::string(150, 'a')}, {"temp.txt", std::string(99, '\0')}}, .note = "no newline in 99 bytes"},
        {.program = tail, .args = {"t"}, .status = 1, .files = {{"t", "x\n"}}, .note = "temp.txt cannot be opened", .dirs = {"temp.txt"}},
    };
}

std::vector<Case> record_cases() {
    const char* letters = "random_letters_file";
    const char* line = "stdin_line_to_output_txt";
    const char* sum = "sum_bytes_to_output_txt";
    const char* length = "length_record_to_input_txt";
    return {
        refused(letters, {}, usage("Usage: %s filename\n", letters)),
        writes(letters, {"12"}, "12", "z[bl\nd`wM\npH", "unseeded rand(); negative draws give 'H' to '`'"),
        writes(letters, {"0"}, "0", ""),
        {.program = letters, .args = {"-3"}, .files = {{"-3", "old"}}, .files_after = Files{{"-3", ""}}, .note = "emptied"},
        {.program = letters, .args = {"5"}, .out = "Unable to open file.\n", .status = 1, .dirs = {"5"}},

        {.program = line, .args = {"8", "n"}, .out = "Input: ", .input = "hello world\n",
         .files_after = Files{{"output.txt", std::string("hello w\0", 8)}}, .note = "at most size-1 characters"},
        {.program = line, .args = {"8", "n"}, .out = "Input: ", .input = "hi\nmore\n",
         .files_after = Files{{"output.txt", std::string("hi\n\0\0\0\0\0", 8)}}, .note = "zero-padded to the size"},
        {.program = line, .args = {"1", "n"}, .out = "Input: ", .input = "hi\n", .files_after = Files{{"output.txt", std::string(1, '\0')}}},
        {.program = line, .args = {"-5", "n"}, .out = "Input: ", .input = "hi\n", .files_after = Files{{"output.txt", ""}}},
        {.program = line, .out = "Input: ", .input = "hi\n", .files_after = Files{{"output.txt", ""}}, .note = "no size: 0"},
        {.program = line, .args = {"8", "name"}, .out = "Error: could not open file name for writing\n", .status = 1, .dirs = {"output.txt"}},
        {.program = line, .args = {"8"}, .out = "Error: could not open file (null) for writing\n", .status = 1, .dirs = {"output.txt"}},

        {.program = sum, .out = usage("Usage: %s INPUT1 INPUT2\n", sum), .status = 1},
        writes(sum, {"2", "3", "x"}, "output.txt", bytes({5, 0, 0, 0})),
        writes(sum, {"2147483647", "1"}, "output.txt", bytes({0, 0, 0, 0x80}), "wraps"),
        writes(sum, {"7"}, "output.txt", bytes({7, 0, 0, 0}), "a missing second number is 0"),
        {.program = sum, .args = {"1", "2"}, .out = "Error: could not open output file\n", .status = 1, .dirs = {"output.txt"}},

        writes(length, {"abc"}, "input.txt", bytes({3, 0, 0, 0, 0, 0, 0, 0, 'a', 'b', 'c', 0})),
        writes(length, {}, "input.txt", std::string(9, '\0'), "no argument: the empty text"),
        {.program = length, .out = "Error opening file\n", .status = 1, .dirs = {"input.txt"}},

        writes("argument_to_output_txt", {"hi there", "x"}, "output.txt", "hi there\n"),
        {.program = "argument_to_output_txt", .files = {{"output.txt", "old"}}, .files_after = Files{{"output.txt", ""}}},
        {.program = "argument_to_output_txt", .args = {"x"}, .status = 1, .dirs = {"output.txt"}},
    };
}

std::vector<Case> open_cases() {
    const char* greet = "failed_greeting_write";
    const char* pair = "open_pair_report";
    const char* selector = "prompted_input_selector";
    const std::string prompt = "Input file name:\n";
    return {
        refused(greet, {}, usage("Usage: %s INPUT_FILE\n", greet)),
        {.program = greet, .args = {"missing.txt"}, .err = "Error opening file: : " + enoent + "\n", .status = 1},
        {.program = greet, .args = {"t"}, .files = {{"t", "keep\n"}}, .note = "the file is unchanged"},

        refused(pair, {"t"}, usage("Usage: %s input_file output_file\n", pair)),
        {.program = pair, .args = {"missing.txt", "o"}, .out = "Error: input file not found\nError: output file not found\n",
         .note = "neither opens", .dirs = {"o"}},
        {.program = pair, .args = {"missing.txt", "o"}, .out = "Error: input file not found\n", .files_after = Files{{"o", ""}}},
        {.program = pair, .args = {"t", "o"}, .files = {{"t", "x"}, {"o", "old"}}, .files_after = Files{{"t", "x"}, {"o", ""}}},

        {.program = selector, .out = prompt, .err = "Error: Please specify an input file.\n", .status = 255},
        {.program = selector, .args = {"-"}, .out = prompt, .input = "ignored\n"},
        {.program = selector, .args = {"abcd", "abcx"}, .out = prompt, .err = "Error: Could not open input file.\n", .status = 255},
        {.program = selector, .args = {"abcd", "abcx"}, .out = prompt, .files = {{"%s.txt", ""}}, .note = "the name is the text %s.txt"},
        {.program = selector, .args = {"abcd", "abxd"}, .out = prompt, .note = "first three differ: nothing opened"},
        {.program = selector, .args = {"abc"}, .out = prompt, .note = "a missing second word is the empty text"},
    };
}

// Arguments and files at the extremes.
std::vector<Run> probe_runs() {
    const std::string wild = std::string(10000, '9') + "\n" + std::string("\0\n0\n", 4) + "-2147483648 20000000000000000000";
    const std::string long_name(10000, 'n');
    std::vector<Run> runs;
    for (const char* p : {"copy_lines_double_newline_perror", "copy_lines_double_newline_100", "copy_lines_echo_and_double_newline",
                          "copy_lines_count_empty", "processed_pieces_to_file", "copy_first_line", "copy_lines_with_argument_note",
                          "copy_first_kilobyte_padded", "top_two_bits_copy", "digits_to_codes_program_text", "llabs_report_to_file",
                          "invocation_name_size_report", "open_pair_report"}) {
        runs.push_back({.program = p, .args = {"t", "o"}, .files = {{"t", wild}}});
        runs.push_back({.program = p, .args = {"t", long_name}, .files = {{"t", wild}}});
    }
    runs.push_back({.program = "first_line_tail_to_temp", .args = {"t"}, .files = {{"t", wild}}});
    runs.push_back({.program = "failed_greeting_write", .args = {long_name}});
    for (const char* n : {"99999999999999999999", "-2147483648", "", "2147483648"})
        runs.push_back({.program = "random_letters_file", .args = {n}});
    runs.push_back({.program = "random_letters_file", .args = {long_name}});
    for (const char* n : {"99999999999999999999", "-2147483648", "", "10001"})
        runs.push_back({.program = "stdin_line_to_output_txt", .args = {n, long_name}, .input = wild});
    for (auto [a, b] : {std::pair{"2147483647", "2147483647"}, {"-2147483648", "-1"}, {"99999999999999999999", "-99999999999999999999"}})
        runs.push_back({.program = "sum_bytes_to_output_txt", .args = {a, b}});
    runs.push_back({.program = "length_record_to_input_txt", .args = {long_name}});
    runs.push_back({.program = "argument_to_output_txt", .args = {long_name}});
    runs.push_back({.program = "prompted_input_selector", .args = {long_name, long_name}});
    runs.push_back({.program = "prompted_input_selector", .args = {""}});
    return runs;
}

const std::vector<Case> copier_table = copier_cases();
const std::vector<Case> report_table = report_cases();
const std::vector<Case> record_table = record_cases();
const std::vector<Case> open_table = open_cases();
const std::vector<Run> probe_table = probe_runs();

}  // namespace

HARNESS_TABLE(FileCopiers, copier_table);
HARNESS_TABLE(FileReports, report_table);
HARNESS_TABLE(FileRecords, record_table);
HARNESS_TABLE(FileOpens, open_table);
HARNESS_PROBES(FileWriterProbes, probe_table);

// A block larger than the memory the program may use: nothing is read or
// written, output.txt is left empty and the status is 1.
PROGRAM_TEST(StdinLineToOutputTxt, AllocationFailure, "stdin_line_to_output_txt") {
    if (const char* why = harness::data_limit_unusable()) GTEST_SKIP() << why;
    harness::Outcome o = harness::run({.program = "stdin_line_to_output_txt", .args = {"2147483647", "n"}, .input = "hi\n",
                                       .data_limit = 64UL << 20});
    EXPECT_EQ(o.status, 1) << o.describe();
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(o.files, (Files{{"output.txt", ""}}));
}
