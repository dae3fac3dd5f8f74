// Programs that copy an argument into a stack buffer or a heap block and print
// the copy: refusals, the exact length each buffer keeps (and where a longer
// argument is cut), missing arguments, and reported allocation failures.
#include "harness/harness.hpp"

#include <sys/resource.h>

#include <cstdint>

using harness::Case;

namespace {

// A text of n bytes whose every 10-byte stretch differs from its neighbours,
// so a cut at the wrong place shows.
std::string text(size_t n) {
    std::string s;
    for (size_t i = 0; s.size() < n; ++i) s += static_cast<char>('a' + i % 26);
    return s;
}
const std::string long_arg = text(10000);

std::string fill(std::string format, const std::string& with) {
    size_t at = format.find("%s");
    return at == std::string::npos ? format : format.replace(at, 2, with);
}

constexpr size_t whole = SIZE_MAX;  // a heap copy: nothing is cut

// A member with exactly one argument: its refusal for other counts ("%s" is
// the invocation name), its output format ("%s" is the copy) and the longest
// text its copy keeps; longer arguments are cut to that many bytes.
struct Copier {
    const char* program;
    const char* refusal;
    int status;
    const char* format;
    size_t keeps;
    bool refusal_on_stderr = false;
};

const Copier copiers[] = {
    {"input_value_copy_echo", "Please provide an input value using the format: input_value\n", 1, "Input: %s\n", 99},
    {"truncating_copy_echo", "Error: incorrect number of arguments\n", 1, "Input: %s\n", 99},
    {"argument_truncating_copy_echo", "Usage: %s argument\n", 1, "Input: %s\n", 99},
    {"bounded_copy_echo_100", "Usage: %s input\n", 1, "Input: %s\n", 99},
    {"copy_echo_100", "Usage: %s <input>\n", 1, "Input: %s\n", 99},
    {"input_string_copy_echo_99", "Usage: %s <input-string>\n", 1, "Input: %s\n", 99},
    {"input_string_copy_echo_100", "Usage: %s <input_string>\n", 1, "Input: %s\n", 99},
    {"copy_puts_expected_one", "Error: expected 1 command-line argument\n", 255, "%s\n", 99},
    {"stack_copy_char_writer", "Usage: %s input\n", 1, "%s\n", 99},
    {"copy_echo_256", "Usage: %s input\n", 1, "Input: %s\n", 255},
    {"bounded_copy_echo_256", "Usage: %s input\n", 1, "Input: %s\n", 255},
    {"input_file_name_copy_echo", "Usage: %s <input_file>\n", 1, "Input: %s\n", 1023},
    {"copy_echo_odd", "Usage: %s input\n", 1, "Input: %s\nOdd\n", 1023},
    {"raw_copy_write", "Error: not enough arguments\n", 1, "%s", 1023},
    {"command_copy_echo", "Usage: ./program <command>\n", 1, "Command: %s\n", 9},
    {"short_copy_echo_50", "", 0, "Input: %s\n", 50},
    {"silent_copy_hello", "Usage: ./program_name string\n", 1, "Hello world!\n", 127},
    {"heap_copy_input_echo", "Usage: %s filename\n", 1, "Input: %s\n", whole},
    {"heap_copy_puts", "Usage: %s input\n", 1, "%s\n", whole},
    {"heap_copy_echo_no_check", "Usage: %s input\n", 1, "Input: %s\n", whole},
    {"dup_echo_alloc_error", "Usage: %s input\n", 1, "Input: %s\n", whole},
    {"dup_echo_unable_alloc", "Usage: %s input\n", 1, "Input: %s\n", whole},
    {"dup_echo_free", "Usage: %s input\n", 1, "Input: %s\n", whole},
    {"dup_echo_no_free", "Usage: %s input\n", 1, "Input: %s\n", whole},
    {"dup_echo_leak", "Usage: %s input\n", 1, "Input: %s\n", whole},
    {"dup_greeter", "Error: program requires a single argument\n", 1, "Hello, %s!\n", whole},
    {"dup_only_check", "Usage: %s input\n", 1, "", whole},
    {"dup_free_silent", "Usage: %s input\n", 1, "", whole},
    {"dup_stack_copy_puts", "Usage: %s name\n", 1, "%s\n", whole},
    {"dup_char_writer", "Usage: %s <input_string>\n", 1, "Input string is:\n%s\n", whole, true},
};

std::vector<Case> copier_cases() {
    std::vector<Case> cases;
    for (const Copier& c : copiers) {
        Case refused{.program = c.program, .status = c.status, .note = "refused count"};
        (c.refusal_on_stderr ? refused.err : refused.out) = fill(c.refusal, std::string("./") + c.program);
        cases.push_back(refused);
        refused.args = {"word", "word"};
        cases.push_back(refused);
        auto ok = [&](const std::string& arg, const std::string& shown, const char* note) {
            cases.push_back({.program = c.program, .args = {arg}, .out = fill(c.format, shown), .note = note});
        };
        ok("word", "word", "");
        ok("", "", "empty argument");
        ok("100%s %d", "100%s %d", "percent signs literal");
        if (c.keeps == whole) {
            ok(long_arg, long_arg, "long argument copied whole");
        } else {
            ok(text(c.keeps), text(c.keeps), "longest argument kept whole");
            ok(text(c.keeps + 1), text(c.keeps), "one byte more: cut");
            ok(long_arg, text(c.keeps), "10 000 bytes: cut");
        }
    }
    return cases;
}

const std::string t99 = text(99), t255 = text(255);

std::vector<Case> member_cases() {
    return {
        {.program = "copy_echo_256", .out = "Usage: /opt/corpus/c256 input\n", .status = 1, .argv0 = "/opt/corpus/c256"},
        {.program = "truncating_copy_echo", .args = {text(150)}, .out = "Input: " + t99 + "\n"},
        {.program = "raw_copy_write", .args = {"a\tb\n"}, .out = "a\tb\n", .note = "bytes as they are"},

        // Missing arguments where the count is not checked.
        {.program = "heap_copy_echo_unchecked", .out = "Input: (null)\n"},
        {.program = "heap_copy_echo_unchecked", .args = {"a", "b"}, .out = "Input: a\n"},
        {.program = "heap_copy_echo_unchecked", .args = {long_arg}, .out = "Input: " + long_arg + "\n"},
        {.program = "bounded_copy_echo_unchecked", .out = "Input: (null)\n"},
        {.program = "bounded_copy_echo_unchecked", .args = {"a", "b"}, .out = "Input: a\n"},
        {.program = "bounded_copy_echo_unchecked", .args = {t99}, .out = "Input: " + t99 + "\n"},
        {.program = "bounded_copy_echo_unchecked", .args = {text(100)}, .out = "Input: " + t99 + "\n"},
        {.program = "bounded_copy_echo_unchecked", .args = {long_arg}, .out = "Input: " + t99 + "\n"},
        {.program = "heap_greeter", .out = "Hello, (null)!\n"},
        {.program = "heap_greeter", .args = {"Ann", "Bob"}, .out = "Hello, Ann!\n"},
        {.program = "heap_greeter", .args = {""}, .out = "Hello, !\n"},
        {.program = "heap_copy_quoted_echo", .out = "The input is '(null)'.\n"},
        {.program = "heap_copy_quoted_echo", .args = {"it's", "x"}, .out = "The input is 'it's'.\n"},
        {.program = "heap_copy_quoted_echo", .args = {long_arg}, .out = "The input is '" + long_arg + "'.\n"},
        {.program = "optional_heap_copy_puts", .out = "(null)\n"},
        {.program = "optional_heap_copy_puts", .args = {"a b", "c"}, .out = "a b\n"},
        {.program = "optional_heap_copy_puts", .args = {""}, .out = "\n"},
        {.program = "optional_heap_copy_echo", .out = "Please provide input.\n"},
        {.program = "optional_heap_copy_echo", .args = {"x", "y"}, .out = "Input: x\n"},
        {.program = "optional_heap_copy_echo", .args = {long_arg}, .out = "Input: " + long_arg + "\n"},

        // Every argument through one buffer.
        {.program = "command_line_inputs_copy", .out = "Please provide input using the command line.\n"},
        {.program = "command_line_inputs_copy", .args = {"a", "", "c d"}, .out = "Input from command line:\na\n\nc d\n"},
        {.program = "command_line_inputs_copy", .args = {t99, text(100), long_arg, "z"},
         .out = "Input from command line:\n" + t99 + "\n" + t99 + "\n" + t99 + "\nz\n", .note = "cut to 99 bytes"},
        {.program = "each_argument_copy_puts"},
        {.program = "each_argument_copy_puts", .args = {"a", "", "b"}, .out = "a\n\nb\n"},
        {.program = "each_argument_copy_puts", .args = {t99, text(100), long_arg, "z"},
         .out = t99 + "\n" + t99 + "\n" + t99 + "\nz\n", .note = "cut to 99 bytes"},
        {.program = "each_input_copy_hello", .out = "Output: Hello World\n"},
        {.program = "each_input_copy_hello", .args = {"a", ""}, .out = "Input: a\nInput: \nOutput: Hello World\n"},
        {.program = "each_input_copy_hello", .args = {t255, text(256), long_arg},
         .out = "Input: " + t255 + "\nInput: " + t255 + "\nInput: " + t255 + "\nOutput: Hello World\n"},
        {.program = "last_argument_copy_echo", .out = "Input: \n"},
        {.program = "last_argument_copy_echo", .args = {"a", "b", "c"}, .out = "Input: c\n"},
        {.program = "last_argument_copy_echo", .args = {"abc", ""}, .out = "Input: \n"},
        {.program = "last_argument_copy_echo", .args = {long_arg, "z"}, .out = "Input: z\n"},
        {.program = "last_argument_copy_echo", .args = {"z", t99}, .out = "Input: " + t99 + "\n"},
        {.program = "last_argument_copy_echo", .args = {"z", text(100)}, .out = "Input: " + t99 + "\n"},
        {.program = "last_argument_copy_echo", .args = {"z", long_arg}, .out = "Input: " + t99 + "\n"},
        {.program = "concatenated_arguments_echo", .out = "Input: \n"},
        {.program = "concatenated_arguments_echo", .args = {"a", "b", "c"}, .out = "Input: abc\n"},
        {.program = "concatenated_arguments_echo", .args = {"a b", "", "c"}, .out = "Input: a bc\n"},
        {.program = "concatenated_arguments_echo", .args = {text(200), text(55)},
         .out = "Input: " + text(200) + text(55) + "\n", .note = "fills the buffer"},
        {.program = "concatenated_arguments_echo", .args = {text(200), text(56), "z"},
         .out = "Input: " + text(200) + text(55) + "\n", .note = "stops at 255 bytes"},
        {.program = "concatenated_arguments_echo", .args = {long_arg, "z"}, .out = "Input: " + t255 + "\n"},
        {.program = "counted_heap_copies", .out = "The number of arguments is 1\n"},
        {.program = "counted_heap_copies", .args = {"a", ""}, .out = "The number of arguments is 3\na\n\n"},
        {.program = "counted_heap_copies", .args = {t255, text(256), long_arg},
         .out = "The number of arguments is 4\n" + t255 + "\n" + t255 + "\n" + t255 + "\n"},

        // The argument itself next to its copy.
        {.program = "input_output_copy_echo", .args = {"abc"}, .out = "Input: abc\nOutput: abc\n"},
        {.program = "input_output_copy_echo", .args = {t255}, .out = "Input: " + t255 + "\nOutput: " + t255 + "\n"},
        {.program = "input_output_copy_echo", .args = {long_arg},
         .out = "Input: " + long_arg + "\nOutput: " + t255 + "\n", .note = "copy cut, argument whole"},
        {.program = "input_output_copy_echo", .out = "Error: Please provide only one argument\n", .status = 1},
        {.program = "input_output_copy_echo", .args = {"a", "b"}, .out = "Error: Please provide only one argument\n",
         .status = 1},
        {.program = "zeroed_copy_echo", .args = {"a", "b"}, .out = "Input: a\nOutput: a\n"},
        {.program = "zeroed_copy_echo", .args = {""}, .out = "Input: \nOutput: \n"},
        {.program = "zeroed_copy_echo", .args = {t99}, .out = "Input: " + t99 + "\nOutput: " + t99 + "\n"},
        {.program = "zeroed_copy_echo", .args = {long_arg}, .out = "Input: " + long_arg + "\nOutput: " + t99 + "\n"},
        {.program = "zeroed_copy_echo", .out = "Please provide an argument.\n", .status = 1},

        {.program = "short_input_copy_echo", .args = {"0123456789"}, .out = "Input: 0123456789\n"},
        {.program = "short_input_copy_echo", .args = {""}, .out = "Input: \n"},
        {.program = "short_input_copy_echo", .args = {"01234567890"}, .err = "Usage: ./short_input_copy_echo <input>\n",
         .status = 1, .note = "11 bytes refused"},
        {.program = "short_input_copy_echo", .args = {long_arg}, .err = "Usage: ./short_input_copy_echo <input>\n",
         .status = 1},
        {.program = "short_input_copy_echo", .err = "Usage: ./short_input_copy_echo <input>\n", .status = 1},
        {.program = "short_input_copy_echo", .args = {"a", "b"}, .err = "Usage: ./short_input_copy_echo <input>\n",
         .status = 1},

        {.program = "greeting_prefix_overwrite", .args = {"abc"}, .out = "abc\n"},
        {.program = "greeting_prefix_overwrite", .args = {"abcd"}, .out = "abcd\n"},
        {.program = "greeting_prefix_overwrite", .args = {"abcde"}, .out = "abcde, \n"},
        {.program = "greeting_prefix_overwrite", .args = {"abcdefg"}, .out = "abcde, \n"},
        {.program = "greeting_prefix_overwrite", .args = {""}, .out = "\n"},
        {.program = "greeting_prefix_overwrite", .args = {long_arg}, .out = "abcde, \n"},
        {.program = "greeting_prefix_overwrite", .out = "Usage: ./greeting_prefix_overwrite <input_string>\n",
         .status = 1},
        {.program = "greeting_prefix_overwrite", .args = {"a", "b"},
         .out = "Usage: ./greeting_prefix_overwrite <input_string>\n", .status = 1},

        {.program = "two_string_result", .args = {"ab", "cd"}, .out = "Result: ab\n"},
        {.program = "two_string_result", .args = {"", "cd", "ef"}, .out = "Result: \n"},
        {.program = "two_string_result", .args = {long_arg, long_arg}, .out = "Result: " + long_arg + "\n"},
        {.program = "two_string_result", .out = "Usage: ./two_string_result string1 string2\n", .status = 1},
        {.program = "two_string_result", .args = {"ab"}, .out = "Usage: ./two_string_result string1 string2\n",
         .status = 1},

        {.program = "uppercase_tag_append", .args = {"mIxEd", "out.txt"},
         .out = "Input: mIxEd\nOutput: mIxEd (Uppercase)\n\n", .note = "case kept, empty line after"},
        {.program = "uppercase_tag_append", .args = {"", "o"}, .out = "Input: \nOutput:  (Uppercase)\n\n"},
        {.program = "uppercase_tag_append", .args = {text(242), "o"},
         .out = "Input: " + text(242) + "\nOutput: " + text(242) + " (Uppercase)\n\n", .note = "tag fits"},
        {.program = "uppercase_tag_append", .args = {text(243), "o"},
         .out = "Input: " + text(243) + "\nOutput: " + text(243) + " (Uppercase)\n", .note = "tag cut"},
        {.program = "uppercase_tag_append", .args = {long_arg, "o"},
         .out = "Input: " + t255 + "\nOutput: " + t255 + "\n", .note = "copy cut, no room for the tag"},
        {.program = "uppercase_tag_append", .args = {"a"},
         .out = "Error: Please provide at least 2 arguments (input and output filename)\n", .status = 1},
        {.program = "uppercase_tag_append",
         .out = "Error: Please provide at least 2 arguments (input and output filename)\n", .status = 1},
    };
}

const std::vector<Case> copier_table = copier_cases();
const std::vector<Case> member_table = member_cases();

// Allocation failures. A program is run under a limit on its data segment: at
// the smallest limit under which it still starts, the loader and the C library
// have used up the allowance and every heap allocation fails.
// A run that got as far as the program itself (127: the loader gave up).
bool started(const harness::Outcome& o) { return o.status >= 0 && o.status != 127; }

harness::Outcome run_limited(const std::string& program, const std::vector<std::string>& args, rlim_t limit) {
    return harness::run({.program = program, .args = args, .data_limit = limit});
}

harness::Outcome run_at_smallest_limit(const std::string& program, const std::vector<std::string>& args) {
    rlim_t fails = 0, starts = rlim_t{256} << 20;
    harness::Outcome at = run_limited(program, args, starts);
    if (!started(at)) return at;
    while (starts - fails > 1024) {
        rlim_t mid = fails + (starts - fails) / 2;
        harness::Outcome r = run_limited(program, args, mid);
        if (started(r))
            starts = mid, at = r;
        else
            fails = mid;
    }
    return at;
}

struct Failure {
    const char* program;
    std::vector<std::string> args;
    std::string out, err;
    int status;
    // The duplicate is never read, so an optimiser may drop the allocation
    // (clang -O3 does): then nothing can fail and the run is a plain success.
    bool may_be_elided = false;
};

const std::string no_malloc = "malloc: Cannot allocate memory\n", no_strdup = "strdup: Cannot allocate memory\n";

const Failure failures[] = {
    {"heap_copy_input_echo", {"abc"}, "Memory allocation failed\n", "", 2},
    {"heap_copy_puts", {"abc"}, "Memory allocation failed\n", "", 2},
    {"dup_echo_alloc_error", {"abc"}, "Error: memory allocation\n", "", 1},
    {"dup_echo_unable_alloc", {"abc"}, "Error: unable to allocate memory for input.\n", "", 1},
    {"dup_only_check", {"abc"}, "Error: Cannot allocate memory for input.\n", "", 1, true},
    {"heap_greeter", {"abc"}, "Error: insufficient memory\n", "", 1},
    {"heap_greeter", {}, "Error: insufficient memory\n", "", 1},
    {"heap_copy_quoted_echo", {"abc"}, "Error: Could not allocate memory.\n", "", 1},
    {"heap_copy_echo_unchecked", {"abc"}, "", no_malloc, 1},
    {"heap_copy_echo_no_check", {"abc"}, "", no_malloc, 1},
    {"optional_heap_copy_echo", {"abc"}, "", no_malloc, 1},
    {"optional_heap_copy_puts", {"abc"}, "", no_malloc, 1},
    {"two_string_result", {"ab", "cd"}, "", no_malloc, 1},
    {"counted_heap_copies", {"a", "b"}, "The number of arguments is 3\n", no_malloc, 1},
    {"dup_echo_free", {"abc"}, "", no_strdup, 1},
    {"dup_echo_no_free", {"abc"}, "", no_strdup, 1},
    {"dup_echo_leak", {"abc"}, "", no_strdup, 1},
    {"dup_greeter", {"abc"}, "", no_strdup, 1},
    {"dup_free_silent", {"abc"}, "", no_strdup, 1, true},
    {"dup_char_writer", {"abc"}, "", no_strdup, 1},
    {"dup_stack_copy_puts", {"abc"}, "", no_strdup, 1},
};

}  // namespace

HARNESS_TABLE(CopyEchoes, copier_table);
HARNESS_TABLE(CopyEchoMembers, member_table);

HARNESS_EACH(CopyEchoAllocation, FailuresAreReported, failures) {
    if (const char* why = harness::data_limit_unusable()) GTEST_SKIP() << why;
    const Failure& f = GetParam();
    SCOPED_TRACE(f.program);
    harness::Outcome r = run_at_smallest_limit(f.program, f.args);
    ASSERT_TRUE(started(r)) << "does not start even with 256 MiB";
    if (f.may_be_elided && r.status == 0 && r.out.empty() && r.err.empty()) return;
    EXPECT_TRUE(harness::same_bytes("stdout", f.out, r.out));
    EXPECT_TRUE(harness::same_bytes("stderr", f.err, r.err));
    EXPECT_EQ(f.status, r.status);
}
