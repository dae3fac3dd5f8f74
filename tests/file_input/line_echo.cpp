// Programs that echo a file piece by piece through a line loop over an N-byte
// buffer: their refusals and open failures, and the exact pieces around each
// buffer size, for files without a final newline, empty files and NUL bytes.
#include "harness/harness.hpp"

using harness::Case;

namespace {

enum Stream { out, err };

struct Member {
    const char* program;
    int min_args, max_args;   // accepted counts of arguments; max -1: no limit
    const char* usage;        // refusal of a wrong count, status 1; "%s" is the invocation name
    Stream usage_on;
    const char* failure;      // for a file that cannot be opened: "%s" is its name,
    Stream failure_on;        // "%e" the system's description of the error
    int failure_status;
    int n;                    // buffer size: pieces of at most n-1 bytes
    const char* format;       // per piece: "%s" is the piece, "%d" the counter
    int first = 0;            // first counter value
    bool cut_newline = false; // the piece is shown without its newline
    const char* long_name_error = "File name too long";
};

// clang-format off
const Member members[] = {
    {"echo_lines_after_seek", 1, 1, "Usage: %s filename\n", out, "Error: could not open %s\n", out, 2, 1024, "%s\n"},
    {"echo_lines_fputs_copied_name", 1, 1, "Usage: %s file_name\n", err, "File not found or cannot be read.\n", err, 1, 100, "%s"},
    {"echo_lines_1000_perror", 1, 1, "Usage: %s input_file\n", out, "Error opening file!: %e\n", err, 1, 1000, "%s\n"},
    {"echo_lines_by_character", 1, 1, "Usage: %s <input_file>\n", out, "Error: File not found\n", out, 2, 1024, "%s\n"},
    {"echo_lines_exit_codes", 1, 1, "Usage: %s file_name\n", out, "Error: %s is not a valid file.\n", out, 2, 100, "%s\n"},
    {"echo_lines_256_stderr", 1, 1, "Usage: %s filename\n", err, "./echo_lines_256_stderr: Cannot open file %s for reading\n", err, 1, 256, "%s\n"},
    {"echo_lines_numbered_from_one", 1, 1, "Usage: %s input_file\n", out, "Error: cannot open file\n", out, 2, 100, "Line %d: %s\n", 1},
    {"echo_lines_line_prefix_1024", 1, 1, "Please provide a filename as an argument\n", out, "Error opening file: %s\n", out, 1, 1024, "Line: %s\n"},
    {"echo_lines_long_usage", 1, 1, "Usage: %s [input_file], where input_file is the file containing your program's input.\n", out, "Error: could not open file %s.\n", out, 1, 1024, "%s\n"},
    {"echo_lines_256_status2", 1, 1, "Usage: %s filename\n", out, "Error: cannot open %s\n", out, 2, 256, "%s\n"},
    {"echo_lines_fprintf_stderr_errors", 1, 1, "Usage: %s input_file\n", err, "Error opening input file: %s\n", err, 1, 100, "%s\n"},
    {"echo_lines_1024_input_error", 1, 1, "Usage: %s input_file\n", out, "Error opening input file: %s\n", out, 1, 1024, "%s\n"},
    {"echo_lines_128_status2", 1, 1, "Usage: %s filename\n", out, "Error: cannot open file %s\n", out, 2, 128, "%s\n"},
    {"echo_lines_rb_mode", 1, 1, "Usage: %s <input file path>\n", err, "Error opening file: %e\n", err, 2, 1024, "%s\n"},
    {"echo_lines_100_stderr_status2", 1, 1, "Usage: %s <input_file>\n", err, "Cannot open %s\n", err, 2, 100, "%s\n"},
    {"echo_lines_1024_perror", 1, 1, "Usage: %s input_file\n", out, "Error opening input file.: %e\n", err, 1, 1024, "%s\n"},
    {"echo_lines_256_perror", 1, -1, "Usage: %s filename\n", out, "Error opening file: %e\n", err, 1, 256, "%s\n"},
    {"echo_lines_1024_status2", 1, 1, "Usage: %s inputfile\n", out, "Error opening file: %s\n", out, 2, 1024, "%s\n"},
    {"echo_lines_128_for_reading", 1, 1, "Usage: %s filename\n", out, "Error: could not open %s for reading.\n", out, 1, 128, "%s\n"},
    {"echo_lines_scanned_name", 1, 1, "Error: incorrect number of arguments\n", out, "Error: could not open file\n", out, 1, 1000, "%s\n"},
    {"echo_lines_256_at_least_one", 1, -1, "Usage: %s filename\n", out, "Error: could not open %s\n", out, 1, 256, "%s\n"},
    {"echo_lines_line_prefix_1000", 1, 1, "Usage: %s input_file\n", out, "Error: could not open input file.\n", out, 1, 1000, "Line: %s\n"},
    {"echo_lines_256_opening_error", 1, 1, "Usage: %s filename\n", out, "Error opening file: %s\n", out, 1, 256, "%s\n"},
    {"echo_lines_100_stderr", 1, 1, "Usage: %s input_file\n", err, "Error opening file: %s\n", err, 1, 100, "%s\n"},
    {"echo_lines_256_could_not_open", 1, 1, "Usage: %s <filename>\n", out, "Error: could not open file %s\n", out, 1, 256, "%s\n"},
    {"echo_lines_1024_opening_error", 1, 1, "Usage: %s filename\n", out, "Error opening file: %s\n", out, 1, 1024, "%s\n"},
    {"echo_lines_1000", 1, 1, "Usage: %s filename\n", out, "Error: could not open file %s.\n", out, 1, 1000, "%s\n"},
    {"echo_lines_numbered_from_zero", 1, -1, "Usage: %s <input_file>\n", out, "Error: could not open %s\n", out, 1, 1024, "%d: %s\n", 0},
    {"echo_lines_input_prefix_status2", 1, 1, "Please provide a filename as input\n", out, "Error: file not found or cannot be opened\n", out, 2, 1024, "Input: %s\n"},
    {"echo_lines_verbatim", 1, 1, "Usage: %s filename\n", out, "Error: file not found or cannot be opened.\n", out, 1, 100, "%s"},
    {"echo_lines_input_prefix_256", 1, 1, "Usage: %s <input_file>\n", out, "Error: cannot open file '%s'\n", out, 1, 256, "Input: %s\n"},
    {"echo_lines_line_prefix_filename", 1, 1, "Usage: %s filename\n", out, "Error opening file: %s\n", out, 1, 1024, "Line: %s\n"},
    {"echo_lines_scalar_prefix", 1, 1, "Usage: %s input_file\n", out, "Error: unable to open input file\n", out, 1, 100, "Scalar optimizations: %s\n"},
    {"echo_lines_100_cannot_open", 1, 1, "Usage: %s <input_file>\n", out, "Error: cannot open file %s\n", out, 1, 100, "%s\n"},
    {"echo_lines_100_could_not_open", 1, 1, "Usage: %s filename\n", out, "Error: could not open file %s\n", out, 1, 100, "%s\n"},
    {"echo_lines_1024_not_found", 1, 1, "Usage: %s input_file\n", out, "Error: File not found\n", out, 1, 1024, "%s\n"},
    {"echo_lines_parsed_prefix", 1, 1, "Usage: %s input_file\n", err, "Error opening file: %e\n", err, 1, 80, "Parsed line: %s\n"},
    {"echo_lines_1024_usage_dot", 1, 1, "Usage: %s <filename>.\n", out, "Error: file not found.\n", out, 1, 1024, "%s\n"},
    {"echo_lines_100_status2", 1, 1, "Usage: %s filename\n", out, "Error opening file: %s\n", out, 2, 100, "%s\n"},
    {"echo_lines_1024_input_file", 1, 1, "Usage: %s <input_file>\n", out, "Error: could not open input file.\n", out, 1, 1024, "%s\n"},
    {"echo_lines_truncated_name", 1, 1, "Error: Please provide a valid command-line argument.\n", out, "Error opening file: %e\n", err, 1, 100, "%s\n", 0, false, "No such file or directory"},
    {"echo_lines_256_unchecked", 1, 1, "Usage: %s filename\n", out, "Error opening file: %e\n", err, 1, 256, "%s\n"},
    {"echo_lines_1024_unchecked", 1, 1, "Usage: %s <input_file>\n", out, "Error opening file: %e\n", err, 1, 1024, "%s\n"},
    {"echo_lines_100_input_status2", 1, 1, "Usage: %s <input_file>\n", out, "Error: could not open input file\n", out, 2, 100, "%s\n"},
    {"echo_lines_100_not_found_status2", 1, 1, "Usage: %s filename\n", out, "Error: file not found\n", out, 2, 100, "%s\n"},
    {"echo_lines_input_prefix_128", 1, 1, "Usage: %s input_file\n", out, "Error opening input file: %s\n", out, 1, 128, "Input: %s\n"},
    {"echo_lines_please_provide", 1, 1, "Please provide an input file name as an argument\n", out, "Could not open input file\n", out, 2, 1024, "%s\n"},
    {"echo_pieces_of_seven", 1, 1, "Usage: %s filename\n", out, "Error: File %s does not exist or cannot be read.\n", out, 1, 8, "%s\n"},
    {"echo_pieces_numbered", 1, -1, "Usage: %s input_file\n", out, "Error opening file %s\n", out, 1, 8, "Line %d: %s\n", 0},
    {"echo_pieces_status2", 1, 1, "Usage: %s input_file\n", out, "Error: could not open %s.\n", out, 2, 8, "%s\n"},
    {"echo_lines_no_count_check", 0, -1, nullptr, out, "Error: could not open file.\n", out, 1, 1000, "%s\n"},
    {"echo_lines_1024_file_not_found", 1, 1, "Usage: %s <filename>\n", out, "Error: file not found.\n", out, 1, 1024, "%s\n"},
    {"echo_pieces_no_count_check", 0, -1, nullptr, out, "Failed to open input file!: %e\n", err, 1, 8, "%s\n"},
    {"echo_lines_input_prefix_1024", 1, 1, "Usage: %s filename\n", out, "Error: cannot open file '%s'\n", out, 1, 1024, "Input: %s\n"},
    {"echo_lines_stripped", 1, 4, nullptr, out, "Error opening file: %s\n", err, 255, 1024, "Input: %s\n", 0, true},
    {"echo_pieces_numbered_from_one", 1, 1, "Usage: %s input_file\n", out, "Error: could not open %s\n", out, 1, 8, "%d: %s\n", 1},
};
// clang-format on

std::string replace(std::string text, const std::string& token, const std::string& by) {
    size_t at = text.find(token);
    return at == std::string::npos ? text : text.replace(at, token.size(), by);
}

// The pieces that fgets with an n-byte buffer makes of `text`.
std::vector<std::string> pieces(const std::string& text, int n) {
    std::vector<std::string> result;
    for (size_t at = 0; at < text.size();) {
        size_t len = 0;
        while (len < static_cast<size_t>(n - 1) && at + len < text.size())
            if (text[at + len++] == '\n') break;
        result.push_back(text.substr(at, len));
        at += len;
    }
    return result;
}

// What a member prints for a file holding `text`.
std::string echo(const Member& m, const std::string& text) {
    std::string result;
    int number = m.first;
    for (std::string piece : pieces(text, m.n)) {
        piece = piece.substr(0, piece.find('\0'));
        if (m.cut_newline) piece = piece.substr(0, piece.find('\n'));
        result += replace(replace(m.format, "%d", std::to_string(number++)), "%s", piece);
    }
    return result;
}

Case failure(const Member& m, const std::string& name, const std::string& error) {
    Case c{.program = m.program, .args = {name}, .status = m.failure_status, .note = "open fails"};
    (m.failure_on == err ? c.err : c.out) = replace(replace(m.failure, "%s", name), "%e", error);
    return c;
}

Case echoed(const Member& m, const std::string& text, const std::string& note) {
    return {.program = m.program, .args = {"in.txt"}, .out = echo(m, text), .files = {{"in.txt", text}}, .note = note};
}

std::vector<Case> member_cases() {
    std::vector<Case> cases;
    for (const Member& m : members) {
        const std::string invocation = std::string("./") + m.program;
        if (m.usage) {
            Case refused{.program = m.program, .status = 1, .note = "no argument"};
            (m.usage_on == err ? refused.err : refused.out) = replace(m.usage, "%s", invocation);
            cases.push_back(refused);
            refused.args = {"in.txt", "in.txt"};
            refused.files = {{"in.txt", "x\n"}};
            refused.note = "two arguments";
            if (m.max_args == 1) cases.push_back(refused);
        }
        if (m.max_args != 1) {
            Case extra = echoed(m, "first\n", "later arguments ignored");
            extra.args = {"in.txt", "other.txt", "x"};
            cases.push_back(extra);
        }
        cases.push_back(failure(m, "missing.txt", "No such file or directory"));
        cases.push_back(failure(m, std::string(10000, 'n'), m.long_name_error));
        cases.push_back({.program = m.program, .args = {"d"}, .note = "a directory reads as empty", .dirs = {"d"}});

        const size_t n = static_cast<size_t>(m.n);
        cases.push_back(echoed(m, "", "empty file"));
        cases.push_back(echoed(m, "alpha\n\nbeta\n", "two lines and an empty one"));
        cases.push_back(echoed(m, "alpha\nbeta", "no final newline"));
        cases.push_back(echoed(m, std::string(n - 2, 'a') + "\n", "longest line in one piece"));
        cases.push_back(echoed(m, std::string(n - 1, 'b') + "\nc\n", "newline arrives alone"));
        cases.push_back(echoed(m, std::string(n - 1, 'e'), "fills the buffer, no newline"));
        cases.push_back(echoed(m, std::string(2 * n + 3, 'f') + "\ng\n", "three pieces"));
        cases.push_back(echoed(m, std::string(10000, 'h') + "\n", "10000-byte line"));
        cases.push_back(echoed(m, std::string("ab\0cd\nef\n", 9), "shown up to a NUL byte"));
        cases.push_back(echoed(m, "100% %s %d %n\n", "percent signs are text"));
    }
    return cases;
}

const std::string x99(99, 'x'), x100(100, 'x'), w111(111, 'w'), w112(112, 'w');

// Literal outputs, written out by hand, for the boundaries and for each
// member's own trait.
std::vector<Case> trait_cases() {
    return {
        {.program = "echo_pieces_numbered", .args = {"t"}, .out = "Line 0: abcdefg\nLine 1: hij\n\nLine 2: \n\n",
         .files = {{"t", "abcdefghij\n\n"}}},
        {.program = "echo_pieces_numbered_from_one", .args = {"t"}, .out = "1: abcdefg\n2: \n\n3: z\n",
         .files = {{"t", "abcdefg\nz"}}},
        {.program = "echo_pieces_of_seven", .args = {"t"}, .out = "abcdef\n\nabcdefg\n\n\n", .files = {{"t", "abcdef\nabcdefg\n"}}},
        {.program = "echo_lines_1024_perror", .args = {"t"}, .out = std::string(1023, 'a') + "\n\n\n",
         .files = {{"t", std::string(1023, 'a') + "\n"}}, .note = "N-1 characters: the newline comes alone"},
        {.program = "echo_lines_numbered_from_zero", .args = {"t"}, .out = "0: x\n\n1: \n\n2: y\n", .files = {{"t", "x\n\ny"}}},
        {.program = "echo_lines_by_character", .args = {"t"}, .out = "a b\n\nc\n", .files = {{"t", std::string("a b\nc\0d", 7)}}},
        {.program = "echo_lines_verbatim", .args = {"t"}, .out = std::string(250, 'v') + "\nw",
         .files = {{"t", std::string(250, 'v') + "\nw"}}},
        {.program = "echo_lines_256_perror", .args = {"t", "missing.txt"}, .out = "a\n\n", .files = {{"t", "a\n"}},
         .note = "a missing second file is never opened"},
        {.program = "echo_lines_rb_mode", .args = {"t"}, .out = "a\r\n\n\r\n\n", .files = {{"t", "a\r\n\r\n"}}},
        {.program = "echo_lines_parsed_prefix", .args = {"a", "b"}, .err = "Usage: ../bin/pp input_file\n", .status = 1,
         .argv0 = "../bin/pp"},
        {.program = "echo_lines_256_stderr", .args = {"m"}, .err = "/opt/el: Cannot open file m for reading\n", .status = 1,
         .argv0 = "/opt/el"},
        {.program = "echo_lines_256_stderr", .err = "Usage: /opt/el filename\n", .status = 1, .argv0 = "/opt/el"},

        // A name that does not fit the copy is refused, even when a file of that name exists.
        {.program = "echo_lines_fputs_copied_name", .args = {x99}, .out = "ok\n", .files = {{x99, "ok\n"}}},
        {.program = "echo_lines_fputs_copied_name", .args = {x100}, .err = "File not found or cannot be read.\n", .status = 1,
         .files = {{x100, "ok\n"}}},
        // The name is the argument's first word.
        {.program = "echo_lines_scanned_name", .args = {" \tt more words"}, .out = "ok\n\n", .files = {{"t", "ok\n"}}},
        {.program = "echo_lines_scanned_name", .args = {w111}, .out = "ok\n\n", .files = {{w111, "ok\n"}}},
        {.program = "echo_lines_scanned_name", .args = {w112 + " t"}, .out = "Error: could not open file\n", .status = 1,
         .files = {{w112, "ok\n"}, {"t", "ok\n"}}, .note = "word longer than 111 characters"},
        {.program = "echo_lines_scanned_name", .args = {""}, .out = "Error: could not open file\n", .status = 1},
        {.program = "echo_lines_scanned_name", .args = {"  \t"}, .out = "Error: could not open file\n", .status = 1},
        // The name is cut to 99 characters, and that file is read.
        {.program = "echo_lines_truncated_name", .args = {x99 + "yyyyy"}, .out = "ok\n\n", .files = {{x99, "ok\n"}}},
        {.program = "echo_lines_truncated_name", .args = {""}, .err = "Error opening file: No such file or directory\n",
         .status = 1},

        {.program = "echo_lines_no_count_check", .out = "Error: could not open file.\n", .status = 1},
        {.program = "echo_pieces_no_count_check", .err = "Failed to open input file!: Bad address\n", .status = 1,
         .note = "no argument: the null name is refused as a bad address"},
        {.program = "echo_pieces_no_count_check", .args = {""}, .err = "Failed to open input file!: No such file or directory\n",
         .status = 1, .note = "an empty name is a missing file"},
        {.program = "echo_lines_no_count_check", .args = {""}, .out = "Error: could not open file.\n", .status = 1},

        {.program = "echo_lines_stripped", .out = "Usage: ./echo_lines_stripped <input_file>", .status = 255},
        {.program = "echo_lines_stripped", .args = {"t", "b", "c", "d", "e"}, .err = "Usage: ./echo_lines_stripped <input_file>\n",
         .status = 255, .files = {{"t", "a\n"}}},
        {.program = "echo_lines_stripped", .args = {"t", "b", "c", "d"}, .out = "Input: a\nInput: \nInput: b\n",
         .files = {{"t", "a\n\nb"}}},
        {.program = "echo_lines_stripped", .args = {"t"}, .out = "Input: " + std::string(1023, 's') + "\nInput: \n",
         .files = {{"t", std::string(1023, 's') + "\n"}}},
        {.program = "echo_lines_stripped", .args = {"t"}, .out = "Input: one\r\n", .files = {{"t", "one\r\n"}},
         .note = "only the newline is cut"},
    };
}

const std::vector<Case> member_table = member_cases();
const std::vector<Case> trait_table = trait_cases();

}  // namespace

HARNESS_TABLE(LineEchoes, member_table);
HARNESS_TABLE(LineEchoTraits, trait_table);
