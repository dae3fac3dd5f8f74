// Programs that read a named file as raw blocks (fixed-size, the whole file,
// or fixed-size items) or only measure it. Their refusals and open failures
// come from one table; then each program on short and full blocks, blocks
// split across reads, NUL bytes, empty files and, for the loops, directories
// (whose reads fail rather than reach an end of file).
#include "harness/harness.hpp"

#include <algorithm>

using harness::Case;
using harness::replace_all;
using harness::repeat;
using namespace std::string_literals;

HARNESS_LABELS(block_and_heap_address, nondeterministic)

namespace {

enum Stream { out, err };
enum Count { exactly_one, at_least_one, exactly_two, unchecked };

struct Frame {
    const char* program;
    Count count;
    const char* usage;  // status 1; "%s" is the invocation name
    Stream usage_on;
    const char* failure;  // "%s" is the file name, "%0" the invocation name, "%e" the error description
    Stream failure_on;
    int failure_status;
};

// clang-format off
const Frame frames[] = {
    {"name_length_chunks", exactly_one, "Usage: %s <input_file>\n", out, "Error opening file: %s\n", out, 2},
    {"block_input_output_report", exactly_one, "Usage: ./program filename\n", out, "Error opening file.: %e\n", err, 1},
    {"fifth_eight_byte_item", exactly_one, "Usage: %s <binary file>\n", out, "Error: could not open file %s\n", out, 1},
    {"size_blocks_report", exactly_one, "Usage: %s filename\n", out, "%s: %e\n", err, 1},
    {"call_block_inliner", exactly_two, "Usage: %s input_file", out, "Error: could not open %s for reading.\n", out, 1},
    {"contents_of_block", at_least_one, "Usage: %s input_file\n", out, "Error: can't open input file.\n", out, 2},
    {"whole_file_contents", exactly_one, "Please provide a filename as an argument\n", out, "File not found\n", out, 1},
    {"zero_word_per_full_block", exactly_two, "Usage: %s input file", err, "Error opening file: %s\n", err, 1},
    {"block_and_heap_address", exactly_two, "Usage: %s INPUT_FILE", out, "Error: could not open file %s\n", out, 1},
    {"whole_file_input_prefix", exactly_one, "Usage: %s filename\n", out, "Error: cannot open file %s\n", out, 1},
    {"hundred_byte_input_block", exactly_one, "Usage: %s <input_file>\n", err, "%0: Error opening input file\n", err, 1},
    {"contents_of_kilobyte", exactly_one, "Usage: %s filename\n", out, "Error opening file: : %e\n", err, 2},
    {"hundred_byte_blocks_line_one", exactly_one, "Usage: %s filename\n", out, "Error: file not found.\n", out, 1},
    {"four_byte_item_counts", exactly_one, "Usage: %s <binary file path>\n", err, "Error opening file: %s\n", err, 1},
    {"megabyte_input", exactly_one, "Usage: %s input\n", err, "Failed to open file:: %e\n", err, 1},
    {"input_string_block", exactly_one, "Usage: %s INPUT_FILE\n", out, "Error opening file\n", out, 1},
    {"second_arg_length_block", exactly_two, "Usage: %s filename\n", out, "Error: could not open file %s\n", out, 1},
    {"name_length_block_rb", exactly_two, "Usage: %s filename\n", out, "Error opening file %s\n", out, 2},
    {"name_length_block_text", exactly_one, "Usage: %s INPUTFILE\n", out, "Error: could not open %s\n", out, 1},
    {"name_per_block", exactly_one, "Usage: %s filename\n", out, "File not found: %e\n", err, 1},
    {"kilobyte_after_close_check", exactly_one, "Usage: %s filename\n", out, "Error: File not found\n", out, 1},
    {"input_block_256", exactly_one, "Usage: %s <input_file>\n", out, "Error opening file: %e\n", err, 1},
    {"silent_block_success_note", exactly_one, "Usage: %s filename\n", out, "Error: could not open input file %s\n", out, 1},
    {"filename_after_block", exactly_one, "Usage: %s <filename>\n", out, "Error: could not open file.\n", out, 1},
    {"hundred_byte_item_input", exactly_one, "Usage: %s input_file\n", out, "Error: cannot open file\n", out, 2},
    {"four_byte_read_report", unchecked, "", out, "Error: File not found or could not be opened\n", out, 1},
    {"megabyte_file_content", exactly_one, "Usage: %s <file_name>\n", out, "Error opening file: %e\n", err, 1},
    {"hundred_byte_block_puts", at_least_one, "Usage: %s <input-file>\n", out, "Error opening file: %s\n", out, 2},
    {"hello_after_block", exactly_one, "Usage: %s <input_file>\n", out, "Error: File not found.\n", out, 1},
    {"silent_kilobyte_block", exactly_one, "Usage: %s <filename>\n", out, "Error: File not found\n", out, 2},
    {"name_with_each_byte", exactly_one, "Usage: %s filename\n", out, "Error: could not open file.\n", out, 1},
    {"unchecked_kilobyte_input", exactly_one, "Usage: %s INPUT_FILE\n", out, "%s: %e\n", err, 1},
    {"file_length_report", exactly_one, "Usage: %s file_name\n", out, "Error: %s not found.\n", out, 1},
    {"silent_block_into_own_buffer", exactly_one, "Usage: %s <input_file>\n", out, "Error opening input file.\n", out, 1},
    {"input_file_block_over_name", exactly_one, "Usage: %s filename\n", out, "Error opening input file: %s\n", out, 1},
};
// clang-format on

// Wrong counts, and the failure to open a missing file and a name too long
// for the system. The program without a count check fails to open when it
// has no file to open.
std::vector<Case> frame_cases() {
    std::vector<Case> cases;
    for (const Frame& f : frames) {
        const std::string invocation = std::string("./") + f.program;
        const bool two = f.count == exactly_two;
        if (f.count == unchecked) {
            cases.push_back({.program = f.program, .out = f.failure, .status = f.failure_status, .note = "no argument"});
        } else {
            Case refused{.program = f.program, .status = 1, .files = {{"t", "x\n"}}, .note = "too few arguments"};
            (f.usage_on == err ? refused.err : refused.out) = harness::with_name(f.usage, invocation);
            if (two) refused.args = {"t"};
            cases.push_back(refused);
            if (f.count != at_least_one) {
                refused.args = two ? std::vector<std::string>{"t", "t", "t"} : std::vector<std::string>{"t", "t"};
                refused.note = "too many arguments";
                cases.push_back(refused);
            }
        }
        for (auto [name, error] : {std::pair<std::string, std::string>{"missing.txt", "No such file or directory"},
                                   {std::string(10000, 'n'), "File name too long"}}) {
            Case failed{.program = f.program, .status = f.failure_status, .note = "open fails"};
            failed.args = two ? std::vector<std::string>{name, "x"} : std::vector<std::string>{name};
            std::string text = replace_all(replace_all(replace_all(f.failure, "%s", name), "%0", invocation), "%e", error);
            (f.failure_on == err ? failed.err : failed.out) = text;
            cases.push_back(failed);
        }
    }
    cases.push_back({.program = "hundred_byte_input_block", .err = "Usage: /x/h <input_file>\n", .status = 1, .argv0 = "/x/h"});
    cases.push_back({.program = "hundred_byte_input_block", .args = {"missing"}, .err = "/x/h: Error opening input file\n",
                     .status = 1, .argv0 = "/x/h"});
    return cases;
}

Case on(const char* program, const std::string& text, std::string out, std::string note = "", int status = 0) {
    return {.program = program, .args = {"t"}, .out = std::move(out), .status = status, .files = {{"t", text}}, .note = std::move(note)};
}

// A file given under its own name, with more arguments after it.
Case named(const char* program, std::vector<std::string> args, const std::string& text, std::string out, std::string note = "") {
    harness::Files files = {{args[0], text}};
    return {.program = program, .args = std::move(args), .out = std::move(out), .files = std::move(files), .note = std::move(note)};
}

// A directory opens but cannot be read: the loops that wait for the end of the file must still end.
Case on_dir(const char* program, std::string out) {
    return {.program = program, .args = {"d"}, .out = std::move(out), .note = "read error", .dirs = {"d"}};
}

std::string bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values) s += static_cast<char>(v);
    return s;
}

const std::string a150 = repeat("a", 100) + repeat("b", 50);
const std::string k1500 = repeat("k", 1024) + repeat("m", 476);
const std::string mib = repeat("0123456789abcdef", 65536);
const std::string items4 = repeat("\0\0\0\0"s, 8) + bytes({0x08, 0x07, 0x06, 0x05, 0x04, 0x03, 0x02, 0x01});

// clang-format off
const std::vector<Case> report_table = {
    // Single blocks: the text ends at the block's size, at the bytes read or at a NUL.
    on("hundred_byte_input_block", a150, "Input:\n" + repeat("a", 100) + "\n", "full block"),
    on("hundred_byte_input_block", "ab\0cd"s, "Input:\nab\n", "NUL ends the text"),
    on("hundred_byte_input_block", "", "Input:\n\n"),
    on("contents_of_kilobyte", k1500, "Contents of t:\n" + repeat("k", 1024) + "\n", "full block"),
    on("contents_of_kilobyte", "x\n", "Contents of t:\nx\n\n"),
    on("megabyte_input", mib + "tail", "Input:\n" + mib + "\n", "full block"),
    on("megabyte_input", "a\0b"s, "Input:\na\n"),
    on("megabyte_file_content", mib + "tail", "File content: \n" + mib + "\n", "full block"),
    on("megabyte_file_content", "", "File content: \n\n"),
    on("input_string_block", a150, "Input string: " + repeat("a", 100) + "\n", "full block"),
    on("input_string_block", "", "Input string: \n"),
    on("hundred_byte_item_input", "abc", "Input: abc\n", "a partial item is shown"),
    on("hundred_byte_item_input", a150, "Input: " + repeat("a", 100) + "\n", "full item"),
    named("hundred_byte_block_puts", {"t", "missing"}, a150, repeat("a", 100) + "\n", "full block; later arguments ignored"),
    on("hundred_byte_block_puts", "x\0y"s, "x\n"),
    on("unchecked_kilobyte_input", k1500, "Input: " + repeat("k", 1024) + "\n", "full block"),
    on("unchecked_kilobyte_input", "", "Input: \n"),
    on("input_block_256", repeat("q", 300), "Input: " + repeat("q", 256) + "\n", "full block"),
    on("input_block_256", "hi\0there"s, "Input: hi\n"),
    on("hello_after_block", "data not shown", "Hello, World!\n"),
    on("silent_block_success_note", "x", "Input file read successfully.\n"),
    on("silent_kilobyte_block", k1500, ""),
    on("silent_block_into_own_buffer", k1500, ""),
    named("filename_after_block", {"f.txt"}, "x", "Filename: f.txt\n"),
    named("contents_of_block", {"t", "missing"}, "ab\0cd"s, "The contents of t: \nab", "NUL ends the text; later arguments ignored"),
    on("contents_of_block", k1500, "The contents of t: \n" + repeat("k", 1024), "full block"),
    on("kilobyte_after_close_check", k1500, repeat("k", 1024) + "\n", "full block"),
    on("kilobyte_after_close_check", "", "\n"),
    on("block_input_output_report", a150, "Input: " + repeat("a", 100) + "\nOutput: \n", "full block; the output is empty"),
    on("block_input_output_report", "", "Input: \nOutput: \n"),

    // Whole files, sized with fseek and ftell.
    on("whole_file_contents", "one\n" + repeat("w", 5000), "File contents:\none\n" + repeat("w", 5000), "no newline added"),
    on("whole_file_contents", "", "File contents:\n"),
    on("whole_file_contents", "a\0b"s, "File contents:\na"),
    on("whole_file_input_prefix", "abc\n" + repeat("p", 3000), "Input: abc\n" + repeat("p", 3000) + "\n"),
    on("whole_file_input_prefix", "", "Input: \n"),
    on("file_length_report", "12345", "File t has a length of 5\n"),
    on("file_length_report", "", "File t has a length of 0\n"),
    on("size_blocks_report", repeat("s", 25000), "File read 1 bytes\nFile read 10001 bytes\nFile read 20001 bytes\n", "file left unchanged"),
    on("size_blocks_report", repeat("s", 20000), "File read 1 bytes\nFile read 10001 bytes\n", "exact multiple"),
    on("size_blocks_report", "s", "File read 1 bytes\n"),
    on("size_blocks_report", "", ""),

    // Items.
    on("fifth_eight_byte_item", items4, "Optimized value: 72623859790382856\n", "little-endian"),
    on("fifth_eight_byte_item", repeat("\xff", 40) + "rest", "Optimized value: -1\n", "signed; later bytes ignored"),
    on("fifth_eight_byte_item", repeat("\xff", 39), "Error: could not read data\n", "fifth item short", 1),
    on("fifth_eight_byte_item", "", "Error: could not read data\n", "", 1),
    on("four_byte_item_counts", "12345678", "1 1 0 "),
    on("four_byte_item_counts", "123456", "1 0 ", "a partial item counts 0 and ends the loop"),
    on("four_byte_item_counts", "", "0 "),
    on_dir("four_byte_item_counts", "0 "),
    named("four_byte_read_report", {"t", "x", "y"}, "1234", "Read 1 bytes of data\nRead 0 bytes of data\n", "later arguments ignored"),
    on("four_byte_read_report", "", "Read 0 bytes of data\n"),
    on_dir("four_byte_read_report", "Read 0 bytes of data\n"),
    named("zero_word_per_full_block", {"t", "x"}, repeat("z", 2500), "\0\0\0\0\0\0\0\0"s, "partial block writes nothing"),
    named("zero_word_per_full_block", {"t", "x"}, repeat("z", 2048), "\0\0\0\0\0\0\0\0"s),
    named("zero_word_per_full_block", {"t", "x"}, repeat("z", 1023), ""),

    // Block loops.
    named("call_block_inliner", {"t", "foo"}, "call", "Inlining foo\n"),
    named("call_block_inliner", {"t", "foo"}, "call\n", "call\n\n", "a newline is not call"),
    named("call_block_inliner", {"t", "foo"}, repeat("x", 1024) + "call", repeat("x", 1024) + "\nInlining foo\n", "second block"),
    named("call_block_inliner", {"t", "foo"}, "ab\0cd"s, "ab\n"),
    named("call_block_inliner", {"t", "foo"}, "", ""),
    on("hundred_byte_blocks_line_one", "abc", "Line 1: abc\n"),
    on("hundred_byte_blocks_line_one", a150, "Line 1: " + repeat("a", 100) + "\nLine 1: " + repeat("b", 50) + repeat("a", 50) + "\n",
       "the short block shows the previous tail"),
    on("hundred_byte_blocks_line_one", repeat("c", 100), "Line 1: " + repeat("c", 100) + "\nLine 1: " + repeat("c", 100) + "\n",
       "exact block shown twice"),
    on("hundred_byte_blocks_line_one", "", "Line 1: \n"),
    on_dir("hundred_byte_blocks_line_one", "Line 1: \n"),
    on("name_per_block", repeat("n", 250), "t\nt\nt\n"),
    on("name_per_block", repeat("n", 100), "t\n"),
    on("name_per_block", "", ""),
    named("name_with_each_byte", {"name"}, "xy", "xame\nyame\nyame\n", "last byte twice"),
    named("name_with_each_byte", {"name"}, "", "name\n"),
    named("name_with_each_byte", {"name"}, "\0"s, "\n\n"),
    on_dir("name_with_each_byte", "d\n"),

    // Reads as long as a name or an argument.
    named("second_arg_length_block", {"t", "abc"}, "hello", "File content:\nhel\n"),
    named("second_arg_length_block", {"t", "abcdefgh"}, "hi", "File content:\nhi\n", "short file"),
    named("second_arg_length_block", {"t", ""}, "hello", "File content:\n\n", "empty argument reads nothing"),
    named("second_arg_length_block", {"t", repeat("L", 10000)}, repeat("f", 10000), "File content:\n" + repeat("f", 10000) + "\n", "full block"),
    named("name_length_block_rb", {"abcd", "x"}, "hello", "hell\n"),
    named("name_length_block_rb", {"t", "x"}, "\0abc"s, "\n"),
    named("name_length_block_rb", {repeat("r", 120), "x"}, repeat("b", 200), repeat("b", 100) + "\n", "at most 100 bytes"),
    named("name_length_block_text", {"abcde"}, "hello world", "hello"),
    named("name_length_block_text", {"abcde"}, "xy", "xy"),
    named("name_length_chunks", {"t"}, "abcdef", "Input: f\n"),
    named("name_length_chunks", {"tt"}, "abcde", "Input: e\n", "short last chunk"),
    named("name_length_chunks", {"tt"}, "abcd", "Input: \n", "the read that finds the end is the last"),
    named("name_length_chunks", {"t"}, "", "Input: \n", "empty file"),
    on_dir("name_length_chunks", "Input: \n"),
    named("input_file_block_over_name", {"longname.txt"}, "ab", "Input file: abngname.txt\n", "rest of the name shows"),
    on("input_file_block_over_name", "hello", "Input file: hello\n"),
    on("input_file_block_over_name", repeat("i", 1200), "Input file: " + repeat("i", 1000) + "\n", "full block"),
    named("input_file_block_over_name", {"name"}, "", "Input file: name\n"),
};
// clang-format on

// Every program on texts at the extremes, with arguments at the extremes
// where it has a second one: it must end normally.
std::vector<harness::Run> probe_runs() {
    std::string all;
    for (int i = 0; i < 256; i++) all += static_cast<char>(i);
    std::vector<harness::Run> runs;
    for (const Frame& f : frames)
        for (const std::string& text : {std::string(10000, 'L'), std::string(10000, '\0') + "\n" + std::string(5000, 'x'), all + all}) {
            std::vector<std::vector<std::string>> arg_sets = {{"t"}};
            if (f.count == exactly_two) arg_sets = {{"t", ""}, {"t", std::string(10000, 'a')}, {"t", "-2147483648"}};
            for (const auto& args : arg_sets) runs.push_back({.program = f.program, .args = args, .files = {{"t", text}}});
        }
    return runs;
}

const std::vector<Case> frame_table = frame_cases();
const std::vector<harness::Run> probe_table = probe_runs();

}  // namespace

HARNESS_TABLE(BlockReaderFrames, frame_table);
HARNESS_TABLE(BlockReaderReports, report_table);
HARNESS_PROBES(BlockReaderProbes, probe_table);

// A megabyte block that cannot be had is reported, not read into.
const char* const megabyte_readers[] = {"megabyte_input", "megabyte_file_content"};
HARNESS_EACH(BlockReaderMemory, AllocationFailure, megabyte_readers) {
    if (const char* why = harness::data_limit_unusable()) GTEST_SKIP() << why;
    harness::Outcome o = harness::run({.program = GetParam(), .args = {"t"}, .files = {{"t", "data"}}, .data_limit = 1UL << 20});
    EXPECT_EQ(o.status, 1) << o.describe();
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(o.err, std::string(GetParam() == "megabyte_input"s ? "Failed to allocate memory" : "Error allocating memory") +
                         ": Cannot allocate memory\n");
}

// The address of the heap block changes from run to run; the rest does not.
PROGRAM_TEST(BlockReaderAddress, InputThenAddress, "block_and_heap_address") {
    harness::Outcome o = harness::run({.program = "block_and_heap_address", .args = {"t", "x"}, .files = {{"t", "ab\0cd"s}}});
    EXPECT_EQ(o.status, 0) << o.describe();
    EXPECT_EQ(o.err, "");
    const std::string head = "Input: ab\nAddress: 0x";
    ASSERT_TRUE(o.out.starts_with(head)) << harness::escape(o.out);
    ASSERT_TRUE(o.out.ends_with("\n"));
    std::string hex = o.out.substr(head.size(), o.out.size() - head.size() - 1);
    EXPECT_FALSE(hex.empty());
    EXPECT_TRUE(std::all_of(hex.begin(), hex.end(), [](char c) { return isdigit(static_cast<unsigned char>(c)) || (c >= 'A' && c <= 'F'); }))
        << hex;
}
