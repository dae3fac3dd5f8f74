// Runs one built program of the suite in a fresh scratch directory and reports
// exactly what it did: its stdout and stderr bytes, its exit status (or the
// signal that ended it) and the files in the directory afterwards.
//
// Most tests are tables of `Case`s checked by `check`; tests that need more
// (clock or random output, say) call `run` and look at the `Outcome` directly.
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

namespace harness {

// Files by name (relative to the scratch directory) and their bytes.
using Files = std::map<std::string, std::string>;

struct Run {
    std::string program;                 // name of the executable in bin/
    std::vector<std::string> args;       // arguments after the invocation name
    std::optional<std::string> argv0;    // invocation name; default "./<program>"
    std::string input;                   // bytes on standard input
    Files files;                         // created in the scratch directory first
    std::vector<std::string> dirs;       // directories created there first
    double timeout_seconds = 20;         // the run is killed after this long
    unsigned long data_limit = 0;        // RLIMIT_DATA for the program in bytes; 0: none
};

// Whether the programs were built with the sanitizers (CORPUS_SANITIZED, or
// this build's own programs in a sanitize build).
extern const bool programs_sanitized;

// Why a data limit (Run::data_limit) would not limit the program, or nullptr
// when it does: the sanitizer runtime cannot start under one, and a runner
// (CORPUS_RUN_UNDER) would be limited instead of the program. Tests that set
// a data limit skip themselves with this reason:
//   if (const char* why = harness::data_limit_unusable()) GTEST_SKIP() << why;
const char* data_limit_unusable();

struct Outcome {
    std::string out;       // standard output, byte for byte
    std::string err;       // standard error, byte for byte
    int status = -1;       // exit status, or -1 when a signal ended the program
    int signal = 0;        // the signal that ended it, or 0
    bool timed_out = false;
    Files files;           // every regular file in the scratch directory afterwards
    std::string describe() const;  // "status 1", "signal 11", "timed out"
};

// The size in bytes of a pointer (4 or 8) in the program under test, read
// from its ELF header: for checks of programs whose output is about the
// target they were built for. 0 when the program cannot be read.
unsigned program_pointer_size(const std::string& program);

// Runs the program; fails the current test (and returns an empty outcome)
// if the program does not exist or cannot be started.
Outcome run(const Run& r);

// Whether the runner of CORPUS_RUN_UNDER can give a program its invocation
// name: qemu-user can (its -0 option); others, such as valgrind, start the
// program by its path, which it then sees as its invocation name.
bool runner_sets_argv0();

// The command that runs the program at `path` as `argv0` with `args`: the
// program's own argument vector, or, under CORPUS_RUN_UNDER, the runner's
// words, the invocation name for a runner that can set it, the path and the
// arguments.
std::vector<std::string> command_line(const std::string& path, const std::string& argv0,
                                      const std::vector<std::string>& args);

// One row of a table: what to run and everything it must do.
struct Case {
    std::string program;
    std::vector<std::string> args;
    std::string out;                     // exact standard output
    std::string err;                     // exact standard error
    int status = 0;                      // exact exit status
    std::string input;                   // standard input
    Files files;                         // files present before the run
    std::optional<Files> files_after;    // every file afterwards; default: `files`, unchanged
    std::optional<std::string> argv0;    // default "./<program>"
    std::string note;                    // what the case is about, shown on failure
    std::vector<std::string> dirs;       // directories present before the run
};

// Runs a case and adds a failure for every difference, naming the program,
// the case and the first differing byte.
void check(const Case& c);

// Compares two byte strings; on a difference the message shows the offset and
// the bytes around it, escaped.
::testing::AssertionResult same_bytes(const std::string& what, const std::string& expected,
                                      const std::string& actual);

// How gtest shows a case in test names and failures: the program and its arguments.
void PrintTo(const Case& c, std::ostream* os);

// A program's refusal of a wrong argument count.
struct CountRule {
    std::string program;
    std::vector<int> refused;  // numbers of arguments that are refused
    std::string text;          // the refusal; "%s" stands for the invocation name
    int status = 1;
    bool on_stderr = false;
};

// The cases of each rule: one run as "./<program>" for every refused number
// of arguments (each argument the text `filler`), and, when the text names
// the invocation, one run as "/opt/x/p" with the first refused number.
std::vector<Case> count_refusals(const std::vector<CountRule>& rules, const std::string& filler = "5");


// Runs a program with texts at the extremes and fails unless it ends
// normally: no signal, no time-out, no sanitizer report. Its output is not checked.
void probe(const Run& r);

// One run of every program with every argument list (and the same standard
// input): the usual table of probes for a family.
template <class Programs>
std::vector<Run> runs_over(const Programs& programs, const std::vector<std::vector<std::string>>& argument_lists,
                           const std::string& input = "") {
    std::vector<Run> runs;
    for (const auto& program : programs)
        for (const auto& args : argument_lists) runs.push_back({.program = program, .args = args, .input = input});
    return runs;
}
void PrintTo(const Run& r, std::ostream* os);

// `text` with its first "%s" replaced by `name`: a usage line as a program
// prints it with its invocation name.
inline std::string with_name(std::string text, const std::string& name) {
    if (size_t at = text.find("%s"); at != std::string::npos) text.replace(at, 2, name);
    return text;
}

// `text` with every `token` replaced by `by`: a message template such as
// "Error: cannot open %s\n" filled in with a file name.
inline std::string replace_all(std::string text, const std::string& token, const std::string& by) {
    for (size_t at = text.find(token); at != std::string::npos; at = text.find(token, at + by.size()))
        text.replace(at, token.size(), by);
    return text;
}

// Byte-string helpers for building inputs.
std::string repeat(const std::string& piece, size_t times);
std::string escape(const std::string& bytes);

}  // namespace harness

namespace harness {
inline std::string program_name(const char* p) { return p; }
inline std::string program_name(const std::string& p) { return p; }
template <class T> std::string program_name(const T& row) { return program_name(row.program); }

// The program whose cases this test process runs (--program=NAME), or "" for
// every program. Set by main before the tables are turned into tests, so that
// a process registers only the rows it runs.
extern std::string selected_program;

// The rows of `table` that belong to the selected program (all of them when
// none is selected).
template <class Table> auto rows_of(const Table& table) {
    std::vector<std::decay_t<decltype(table[0])>> rows;
    for (const auto& row : table)
        if (selected_program.empty() || program_name(row) == selected_program) rows.push_back(row);
    return rows;
}

// The next number of a row of `program` in this test file: rows are numbered
// per program from 0 in the order the tables list them, whether or not other
// programs' rows are registered too.
int next_row_of(const std::string& program);

// gtest parameter names: "<program>_<row>".
template <class T> std::string case_name_of(const ::testing::TestParamInfo<T>& info) {
    std::string program = program_name(info.param);
    std::string n;
    for (char ch : program) n += (isalnum(static_cast<unsigned char>(ch)) ? ch : '_');
    return n + "_" + std::to_string(next_row_of(program));
}
}  // namespace harness

// Declares a table-driven test suite: HARNESS_TABLE(Suite, cases) runs every
// Case of the vector `cases` as its own test.
#define HARNESS_TABLE(suite, table)                                                                   \
    class suite : public ::testing::TestWithParam<::harness::Case> {};                                \
    GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(suite);                                             \
    TEST_P(suite, Behaves) { ::harness::check(GetParam()); }                                          \
    INSTANTIATE_TEST_SUITE_P(All, suite, ::testing::ValuesIn(::harness::rows_of(table)),              \
                             ::harness::case_name_of<::harness::Case>)

// A test that is not a table: PROGRAM_TEST(Suite, Name, "program") is a TEST
// that belongs to the named program (its CTest entry runs it).
// HARNESS_PROBES(Suite, runs) probes every Run of the vector `runs` as its own test.
#define HARNESS_PROBES(suite, table)                                                                  \
    class suite : public ::testing::TestWithParam<::harness::Run> {};                                 \
    GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(suite);                                             \
    TEST_P(suite, EndsNormally) { ::harness::probe(GetParam()); }                                     \
    INSTANTIATE_TEST_SUITE_P(All, suite, ::testing::ValuesIn(::harness::rows_of(table)),              \
                             ::harness::case_name_of<::harness::Run>)

// A free-form test run once per element of `table` (program names, or rows
// with a `program` member), each its own test of that program:
//   HARNESS_EACH(Suite, Name, table) { ... GetParam() ... }
#define HARNESS_EACH(suite, name, table)                                                                   \
    class suite : public ::testing::TestWithParam<std::decay_t<decltype((table)[0])>> {};                \
    GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(suite);                                                  \
    INSTANTIATE_TEST_SUITE_P(All, suite, ::testing::ValuesIn(::harness::rows_of(table)),                   \
                             ::harness::case_name_of<std::decay_t<decltype((table)[0])>>);                  \
    TEST_P(suite, name)

#define PROGRAM_TEST(suite, name, program)                                                   \
    [[maybe_unused]] static const bool suite##_##name##_owned = ::harness::own_test(#suite "." #name, program); \
    TEST(suite, name)

namespace harness {
// Records that the test "Suite.Name" belongs to `program`.
bool own_test(const char* test, const char* program);
// The program a registered test belongs to ("" for a test that names none).
std::string program_of(const ::testing::TestInfo& t);
}  // namespace harness

// Extra CTest labels for a program, read from the test file at configure time:
// HARNESS_LABELS(program, timing nondeterministic slow) on a line of its own.
// timing: it sleeps or measures time; nondeterministic: its output is meant to
// vary (clock, random numbers), so reports keep no hash of it; target: its
// output is about the target it was built for (addresses, pointer sizes), so
// its tests check only what holds on every target; slow: it takes seconds.
#define HARNESS_LABELS(program, ...)
