// Programs that read a named file one character at a time and echo, filter,
// count or classify what they read. Their refusals and open failures come
// from one table; then each program on NUL bytes, bytes of 128 and above,
// a byte 0xFF (the end for the loops that keep characters in a signed char),
// empty files and files without a final newline.
#include "harness/harness.hpp"

using harness::Case;
using harness::replace_all;
using namespace std::string_literals;

namespace {

enum Stream { out, err };
enum Count { exactly_one, at_least_one, file_second_of_two };

struct Frame {
    const char* program;
    Count count;
    const char* usage;  // status 1; "%s" is the invocation name
    const char* failure;  // "%s" is the file name, "%e" the error description
    Stream failure_on;
    int failure_status;
};

// clang-format off
const Frame frames[] = {
    {"loi_tsi_byte_report", exactly_one, "Usage: %s <filename>.\n", "Error opening file: %e\n", err, 1},
    {"first_line_then_char_triples", exactly_one, "Usage: %s input_file\n", "Error: could not open file %s\n", out, 1},
    {"character_histogram", exactly_one, "Please provide a filename as an argument\n", "Error: File not found\n", out, 1},
    {"ten_loops_per_newline", exactly_one, "Usage: %s filename.c\n", "Error: file not found.\n", out, 1},
    {"file_chars_empty_fputs", exactly_one, "Usage: %s filename\n", "Could not open file: %s\n", out, 2},
    {"first_char_doubled_echo", exactly_one, "Usage: %s filename\n", "Error opening file: %s\n", out, 1},
    {"even_digit_values_second_arg", file_second_of_two, "Usage: %s input file\n", "Error opening file: %s\n", out, 1},
    {"dollar_slash_char_report", exactly_one, "Usage: %s filename\n", "Error: file not found or could not be opened\n", out, 1},
    {"one_char_per_line", exactly_one, "Usage: %s filename\n", "Error: could not open file %s\n", out, 1},
    {"echo_chars_with_count", exactly_one, "Usage: %s <filename>, \n", "Error: could not open file.\n", out, 1},
    {"letters_only", exactly_one, "Usage: %s filename\n", "Error: %s: cannot open file\n", out, 1},
    {"echo_chars_trailing_newline", exactly_one, "Usage: %s <filename>\n", "Error: could not open file.\n", out, 1},
    {"file_digit_sum", at_least_one, "Usage: %s <input_file>\n", "Error: unable to open input file.\n", out, 1},
    {"echo_chars_status2", exactly_one, "Usage: %s input_file\n", "Error: Could not open input file.\n", out, 2},
    {"echo_chars_perror", exactly_one, "Usage: %s input_file\n", "Error opening input file: %e\n", err, 2},
    {"whitespace_word_count", exactly_one, "Usage: %s filename\n", "Error opening file: %e\n", err, 1},
    {"first_line_by_chars", exactly_one, "Usage: %s filename\n", "Error opening file: %s\n", out, 1},
    {"seven_bit_echo", exactly_one, "Usage: %s filename\n", "fopen() failed: %e\n", err, 1},
    {"silent_char_drain", exactly_one, "Usage: %s filename\n", "Error: can't open file.\n", out, 1},
    {"silent_char_scan_alloc", exactly_one, "Error: incorrect number of arguments\n", "Error: could not open file\n", out, 1},
};
// clang-format on

// Wrong counts, and the failure to open a missing file, an empty name and a
// name too long for the system.
std::vector<Case> frame_cases() {
    std::vector<Case> cases;
    for (const Frame& f : frames) {
        const std::string invocation = std::string("./") + f.program;
        const bool two = f.count == file_second_of_two;
        Case refused{.program = f.program, .out = harness::with_name(f.usage, invocation), .status = 1,
                     .files = {{"t", "x\n"}}, .note = "too few arguments"};
        if (two) refused.args = {"t"};
        cases.push_back(refused);
        if (f.count != at_least_one) {
            refused.args = {"t", "t", "t"};
            refused.note = "too many arguments";
            cases.push_back(refused);
        }
        for (auto [name, error] : {std::pair<std::string, std::string>{"missing.txt", "No such file or directory"},
                                   {"", "No such file or directory"},
                                   {std::string(10000, 'n'), "File name too long"}}) {
            Case failed{.program = f.program, .status = f.failure_status, .note = "open fails"};
            failed.args = two ? std::vector<std::string>{"t", name} : std::vector<std::string>{name};
            if (two) failed.files = {{"t", "x\n"}};
            (f.failure_on == err ? failed.err : failed.out) = replace_all(replace_all(f.failure, "%s", name), "%e", error);
            cases.push_back(failed);
        }
    }
    cases.push_back({.program = "echo_chars_status2", .out = "Usage: /x/e input_file\n", .status = 1, .argv0 = "/x/e"});
    return cases;
}

Case on(const char* program, const std::string& text, std::string out, std::string note = "", int status = 0) {
    return {.program = program, .args = {"t"}, .out = std::move(out), .status = status, .files = {{"t", text}}, .note = std::move(note)};
}

std::string loops() {
    std::string s;
    for (int i = 1; i <= 10; i++) s += "Loop: " + std::to_string(i) + "\n";
    return s;
}

Case paired(std::vector<std::string> args, std::string a, std::string b, std::string out, std::string err = "", int status = 0) {
    return {.program = "paired_newline_lines", .args = std::move(args), .out = std::move(out), .err = std::move(err),
            .status = status, .files = {{"a", std::move(a)}, {"b", std::move(b)}}};
}

Case second(const std::string& text, std::string out, int status = 0) {
    return {.program = "even_digit_values_second_arg", .args = {"ignored", "t"}, .out = std::move(out), .status = status,
            .files = {{"t", text}}};
}

// clang-format off
const std::vector<Case> report_table = {
    // Echoes: NUL and high bytes pass, a byte 0xFF ends the signed-char loops.
    on("echo_chars_trailing_newline", "ab\0\x80"s "c", "ab\0\x80"s "c\n", "no final newline"),
    on("echo_chars_trailing_newline", "x\xffy", "x\n", "0xFF ends the loop"),
    on("echo_chars_trailing_newline", "", "\n"),
    on("echo_chars_status2", "hi\n", "hi\n\n"),
    on("echo_chars_perror", "a\0b\n"s, "a\0b\n"s),
    on("echo_chars_perror", "p\xffq", "p", "0xFF ends the loop"),
    on("echo_chars_with_count", "\0\x80z"s, "\0\x80z\nNumber of characters: 3\n"s, "NUL and high bytes count"),
    on("echo_chars_with_count", "ab\xff" "cd", "ab\nNumber of characters: 2\n", "0xFF ends the count"),
    on("echo_chars_with_count", "", "\nNumber of characters: 0\n"),
    on("one_char_per_line", "a\nb", "a\n\n\nb\n"),
    on("one_char_per_line", "\x80\xff" "z", "\x80\n", "0xFF ends the loop"),
    on("one_char_per_line", "", ""),
    on("seven_bit_echo", "A\xc1\xff\0z"s, "AA\x7f\0z"s, "0xFF is no end of file"),
    on("first_line_by_chars", "one\ntwo\n", "one"),
    on("first_line_by_chars", "no newline", "no newline"),
    on("first_line_by_chars", "\xff\0x\ny"s, "\xff\0x"s, "0xFF and NUL are echoed"),
    on("first_line_by_chars", "", ""),
    on("first_char_doubled_echo", "ab\n", "aab\nReverse order:\n"),
    on("first_char_doubled_echo", "ab", "aabReverse order:\n", "no final newline"),
    on("first_char_doubled_echo", "a\xff" "b", "aaReverse order:\n", "0xFF ends the loop"),
    on("first_char_doubled_echo", "", "Reverse order:\n"),
    on("ten_loops_per_newline", "ab\n", "ab" + loops()),
    on("ten_loops_per_newline", "a\n\nb", "a" + loops() + loops() + "b"),
    on("ten_loops_per_newline", "x\xff\n", "x", "0xFF ends the loop"),
    on("dollar_slash_char_report", "$a/b", "C++\na\ntt"),
    on("dollar_slash_char_report", "\xff$", "\xff\ntC++\n", "0xFF is no end of file"),
    on("dollar_slash_char_report", "", ""),
    {.program = "dollar_slash_char_report", .args = {"f.txt"}, .out = "x\nf.txt", .files = {{"f.txt", "x"}}},

    // Filters and counters, in the C locale: bytes of 128 and above are neither letters nor spaces.
    on("letters_only", "aZ1 _\xc3\xa9\xaa\xb5\xba-q\n", "aZq"),
    on("letters_only", "ab\xff" "cd", "ab", "0xFF ends the loop"),
    on("file_digit_sum", "a1b2x39", "The sum is: 15\n"),
    on("file_digit_sum", "9\xb9\xb2\xff" "9", "The sum is: 18\n", "superscripts are no digits, 0xFF no end"),
    on("file_digit_sum", "", "The sum is: 0\n"),
    {.program = "file_digit_sum", .args = {"t", "missing"}, .out = "The sum is: 7\n", .files = {{"t", "7"}}, .note = "later arguments ignored"},
    on("whitespace_word_count", "one two\tthree\nfour\r\v\f", "The file t has 6 words.\n"),
    on("whitespace_word_count", "\xa0\x85\x20", "The file t has 1 words.\n", "NBSP and NEL are no spaces"),
    on("whitespace_word_count", "a b\xff c d", "The file t has 1 words.\n", "0xFF ends the count"),
    on("whitespace_word_count", "", "The file t has 0 words.\n"),
    on("character_histogram", "baab\n", "Character \n: 1\nCharacter a: 2\nCharacter b: 2\n"),
    on("character_histogram", "\x80\0\x80z"s, "Character \0: 1\nCharacter z: 1\nCharacter \x80: 2\n"s, "high bytes by byte value"),
    on("character_histogram", "a\xff" "a", "Character a: 1\n", "0xFF ends the count"),
    on("character_histogram", "", ""),

    // Silent readers.
    on("file_chars_empty_fputs", "text\n\xff more", ""),
    on("silent_char_drain", "abc\xff" "def", ""),
    on("silent_char_scan_alloc", "x", ""),
    on("silent_char_scan_alloc", "", ""),

    // Second-argument digit reader.
    second("x246", "2\n4\n6\nInput file closed.\n"),
    second("x25", "2\n", 0),
    second("x0\n\xfe", "0\n-38\n206\nInput file closed.\n"),
    second("\xff" "4", "4\nInput file closed.\n"),
    second("x", "Input file closed.\n"),
    second("", "Error: end of file\n", 1),

    // LOI and TSI report.
    on("loi_tsi_byte_report", "xA", "Current LOI byte: 1\nTSI flag: 0\nMoving on...\n"),
    on("loi_tsi_byte_report", "x0\x80\xff", "Current LOI byte: 0\nTSI flag: 0\n00Current LOI byte: 30\nTSI flag: 31\n\x80\x80"
       "Current LOI byte: 31\nTSI flag: 31\n\xff\xff", "signed bytes; 0xFF is no end of file"),
    on("loi_tsi_byte_report", "xA\0B"s, "Current LOI byte: 1\nTSI flag: 0\nMoving on...\n", "a NUL ends the report"),
    on("loi_tsi_byte_report", "\0abc"s, "Error: failed to read from file\n", "NUL first", 1),
    on("loi_tsi_byte_report", "", "", "the end of file ends it"),

    // First piece, then triples.
    on("first_line_then_char_triples", "hello\nabcdef", "Input: hello\n\ncf"),
    on("first_line_then_char_triples", "first\na b c", "Input: first\n\n", "white space second starts again; the end of file ends it"),
    on("first_line_then_char_triples", "x\nA\xa0Zbc\0"s, "Input: x\n\nZ\0"s, "0xA0 is no space; NUL third is written"),
    on("first_line_then_char_triples", "first\n\0abc"s, "Input: first\n\n", "NUL first ends it"),
    on("first_line_then_char_triples", std::string(99, 'p') + "qrs\n", "Input: " + std::string(99, 'p') + "\ns", "the first piece holds 99 bytes"),
    on("first_line_then_char_triples", "", "Input: \n"),

    // Two files side by side.
    paired({"a", "b"}, "x\ny\n", "p\nq\n", "Line: 3\nLine: 5\n"),
    paired({"a", "b"}, "\n", "\n", "Line: 2\n", "", 0),
    paired({"a", "b", "c"}, "\n\n\n", "\n", "Line: 2\n", "", 0),
    paired({"a", "b"}, "\xff\n", "x\n", "", "", 0),
    paired({"a", "b"}, "", "\n", ""),
    paired({"a"}, "", "", "Usage: ./paired_newline_lines file1 file2\n", "", 1),
    paired({}, "", "", "Usage: ./paired_newline_lines file1 file2\n", "", 1),
    paired({"missing", "b"}, "", "", "", "missing: No such file or directory\n", 1),
    paired({"a", "missing"}, "", "", "", "missing: No such file or directory\n", 1),
};
// clang-format on

// Every program on a 10 000-byte line, on NUL bytes and on every byte value:
// it must end normally.
std::vector<harness::Run> probe_runs() {
    std::string all;
    for (int i = 0; i < 256; i++) all += static_cast<char>(i);
    std::vector<harness::Run> runs;
    std::vector<std::string> programs = {"paired_newline_lines"};
    for (const Frame& f : frames) programs.push_back(f.program);
    for (const std::string& p : programs)
        for (const std::string& text : {std::string(10000, 'L'), std::string(10000, '\0') + "\n" + std::string(5000, 'x'), all + all}) {
            std::vector<std::string> args = {"t"};
            if (p == "paired_newline_lines" || p == "even_digit_values_second_arg") args.push_back("t");
            runs.push_back({.program = p, .args = args, .files = {{"t", text}}});
        }
    return runs;
}

const std::vector<Case> frame_table = frame_cases();
const std::vector<harness::Run> probe_table = probe_runs();

}  // namespace

HARNESS_TABLE(CharacterReaderFrames, frame_table);
HARNESS_TABLE(CharacterReaderReports, report_table);
HARNESS_PROBES(CharacterReaderProbes, probe_table);
