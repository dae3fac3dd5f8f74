// Programs that open a named file without reading it: they report whether the
// open worked, or then work on their arguments (a greeting, a sum, the words of
// the file name, a compiler keyword). Their refusals and open failures come
// from one table; then each program's own behaviour after the open.
#include "harness/harness.hpp"

using harness::Case;
using harness::replace_all;

namespace {

enum Stream { out, err };
enum Count { exactly_one, at_least_one };

struct Frame {
    const char* program;
    Count count;
    const char* usage;  // status 1; "%s" is the invocation name
    Stream usage_on;
    const char* failure;  // nullptr: a failed open is silent; "%s" the file name, "%e" the error description
    Stream failure_on;
    int failure_status;
};

// clang-format off
const Frame frames[] = {
    {"open_check_not_found", exactly_one, "Usage: %s filename\n", out, "Error: file not found or cannot be opened.\n", out, 1},
    {"open_check_rb_perror", exactly_one, "Usage: %s <input-file>\n", err, "Error opening file: %e\n", err, 1},
    {"open_check_input_file", exactly_one, "Usage: %s input_file\n", out, "Error: could not open input file.\n", out, 1},
    {"open_check_at_least_one", at_least_one, "Usage: %s <filename>\n", out, "Error opening file.\n", out, 1},
    {"open_check_failed_to_open", exactly_one, "Usage: %s filename\n", out, "Failed to open file: %s\n", out, 1},
    {"open_check_could_not_open", exactly_one, "Usage: %s filename\n", out, "Error: could not open file %s\n", out, 1},
    {"open_check_no_close", exactly_one, "Usage: %s [input_file]\n", out, "Error: cannot open %s\n", out, 1},
    {"numeric_name_input_length", exactly_one, "Usage: %s <input_file>\n", out, "Cannot open file %s\n", out, 1},
    {"sum_after_open_check", exactly_one, "Usage: %s input_file\n", err, "Error opening file.: %e\n", err, 2},
    {"name_words_from_file_name", exactly_one, "Usage: %s <filename>\n", out, "Error: File not found\n", out, 1},
    {"file1_argument_scan", exactly_one, "Usage: %s file1 file2 ...\n", out, nullptr, out, 0},
};
// clang-format on

// A wrong count, a missing file, and an existing empty file, which passes every open check.
std::vector<Case> frame_cases() {
    std::vector<Case> cases;
    for (const Frame& f : frames) {
        const std::string usage = harness::with_name(f.usage, std::string("./") + f.program);
        Case refused{.program = f.program, .status = 1, .files = {{"t", ""}}, .note = "no argument"};
        (f.usage_on == err ? refused.err : refused.out) = usage;
        cases.push_back(refused);
        if (f.count == exactly_one) {
            refused.args = {"t", "t"};
            refused.note = "two arguments";
            cases.push_back(refused);
        }
        Case failed{.program = f.program, .args = {"missing.txt"}, .status = f.failure_status, .note = "open fails"};
        if (f.failure)
            (f.failure_on == err ? failed.err : failed.out) =
                replace_all(replace_all(f.failure, "%s", "missing.txt"), "%e", "No such file or directory");
        cases.push_back(failed);
        const std::string name = f.program;
        if (name != "numeric_name_input_length" && name != "sum_after_open_check")
            cases.push_back({.program = f.program, .args = {"t"}, .files = {{"t", ""}}, .note = "empty file opens"});
    }
    return cases;
}

Case on(const char* program, std::vector<std::string> args, const std::string& file, std::string out, int status = 0,
        std::string note = "") {
    return {.program = program, .args = std::move(args), .out = std::move(out), .status = status,
            .files = {{file, "x\n"}}, .note = std::move(note)};
}

const std::string w20(20, 'w');

// clang-format off
const std::vector<Case> behaviour_cases = {
    {.program = "open_check_not_found", .out = "Usage: /x/oc filename\n", .status = 1, .argv0 = "/x/oc", .note = "invocation name as started"},
    on("open_check_at_least_one", {"t", "missing", "more"}, "t", "", 0, "later arguments ignored"),

    on("numeric_name_input_length", {"5"}, "5", "Input length: 1\n"),
    on("numeric_name_input_length", {"256"}, "256", "", 0, "low 8 bits zero: nothing printed"),
    on("numeric_name_input_length", {"99999999999999999999"}, "99999999999999999999", "Input length: 1\n", 0, "held at LONG_MAX"),

    on("sum_after_open_check", {"42"}, "42", "Sum: 42\n", 0, "second addend is 0"),
    on("sum_after_open_check", {"4294967301"}, "4294967301", "Sum: 5\n", 0, "low 32 bits"),

    on("hello_after_open_check", {"World", "t"}, "t", "Hello, World!\n"),
    {.program = "hello_after_open_check", .args = {"World"}, .err = "Usage: ./hello_after_open_check input filename\n", .status = 1, .files = {{"World", ""}}},
    {.program = "hello_after_open_check", .args = {"a", "t", "t"}, .err = "Usage: ./hello_after_open_check input filename\n", .status = 1, .files = {{"t", ""}}},
    {.program = "hello_after_open_check", .args = {"t", "missing"}, .err = "Error opening file: missing\n", .status = 1, .files = {{"t", ""}},
     .note = "the second argument is opened"},

    on("compiler_keyword_file_echo", {"gcc", "t"}, "t", "t", 0, "the name without a newline"),
    on("compiler_keyword_file_echo", {"GCC", "t"}, "t", "ERROR: Required C compiler not included\n", 1, "case-sensitive"),
    on("compiler_keyword_file_echo", {"gcc "}, "gcc ", "ERROR: Required C compiler not included\n", 1),
    on("compiler_keyword_file_echo", {"gcc", "missing"}, "t", "ERROR: Could not open input file.\n", 1),
    on("compiler_keyword_file_echo", {"gcc"}, "gcc", "ERROR: Could not open input file.\n", 1, "no file name"),
    {.program = "compiler_keyword_file_echo", .out = "ERROR: Missing input file name.\n", .status = 1, .note = "no argument"},

    on("name_words_from_file_name", {"ab cd"}, "ab cd", "ab, cd\n", 0, "printed once"),
    on("name_words_from_file_name", {" a\t\tb c "}, " a\t\tb c ", "a, b\n", 0, "runs of spaces and tabs"),
    on("name_words_from_file_name", {" lone "}, " lone ", "", 0, "one word"),
    on("name_words_from_file_name", {w20 + " x"}, w20 + " x", w20 + ", x\n", 0, "20 characters pass"),
    on("name_words_from_file_name", {w20 + "w x"}, w20 + "w x", "Error: Invalid name\n", 1, "21 characters"),
    on("name_words_from_file_name", {"a b"}, "t", "Error: File not found\n", 1),

    on("file1_argument_scan", {"file1"}, "file1", "", 0, "nothing after file1"),
    {.program = "file1_argument_scan", .args = {"file1", "t"}, .out = "Usage: ./file1_argument_scan file1 file2 ...\n", .status = 1,
     .files = {{"t", ""}}},
};
// clang-format on

// Every program with arguments at the extremes: it must end normally.
std::vector<harness::Run> probe_runs() {
    std::vector<harness::Run> runs;
    const std::string values[] = {"", std::string(10000, 'n'), "2147483647", "-2147483648", "99999999999999999999", "file1", "a b"};
    std::vector<std::pair<std::string, std::string>> programs;  // program, argument before the file
    for (const Frame& f : frames) programs.push_back({f.program, ""});
    programs.push_back({"hello_after_open_check", "x"});
    programs.push_back({"compiler_keyword_file_echo", "gcc"});
    for (const auto& [program, before] : programs) {
        runs.push_back({.program = program});
        for (const std::string& v : values) {
            harness::Run r{.program = program, .args = {v}};
            if (!before.empty()) r.args.insert(r.args.begin(), before == "x" ? v : before);
            if (!v.empty() && v.size() < 200) r.files = {{v, ""}};
            runs.push_back(r);
        }
    }
    return runs;
}

const std::vector<Case> frame_table = frame_cases();
const std::vector<harness::Run> probe_table = probe_runs();

}  // namespace

HARNESS_TABLE(OpenCheckFrames, frame_table);
HARNESS_TABLE(OpenCheckBehaviour, behaviour_cases);
HARNESS_PROBES(OpenCheckProbes, probe_table);
