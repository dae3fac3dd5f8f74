// Programs that read a named file with formatted reads (integers, long longs,
// words, characters, records) and print or write what they read. Their
// refusals and open failures come from one table; then each program's reads:
// where its loops end, values beyond int's range, files without a final
// newline, empty files and the files they write.
#include "harness/harness.hpp"

using harness::Case;
using harness::replace_all;
using harness::repeat;

namespace {

enum Stream { out, err };
enum Count { exactly_one, exactly_two, unchecked };

struct Frame {
    const char* program;
    Count count;
    const char* usage;  // status 1; "%s" is the invocation name
    const char* failure;  // "%s" is the file name, "%e" the error description
    Stream failure_on;
    int failure_status;
    bool creates_second = false;  // the second argument is an output file, created even when the input fails
};

// clang-format off
const Frame frames[] = {
    {"integers_input_prefix", exactly_one, "Usage: %s <input-file>\n", "Error: Cannot open file %s.\n", out, 1},
    {"integers_one_per_line", exactly_one, "Usage: %s filename\n", "Error: could not open file %s\n", out, 1},
    {"integers_read_prefix", exactly_one, "Usage: %s filename\n", "Error opening file: %s\n", out, 2},
    {"odd_report_per_integer", exactly_one, "Usage: %s filename\n", "Error opening file: %s\n", out, 1},
    {"integers_plain_no_close", exactly_one, "Usage: %s <input_file>\n", "Error: could not open input file\n", out, 1},
    {"even_integers", exactly_two, "Usage: %s [filename] [input_data]\n", "Error: could not open file %s\n", out, 1},
    {"integers_until_mismatch", unchecked, nullptr, "Error: File not found or cannot be opened.: %e\n", err, 1},
    {"long_integers_until_mismatch", exactly_one, "Usage: %s filename\n", "Could not open file.: %e\n", err, 2},
    {"integers_until_mismatch_perror", exactly_one, "Usage: %s <input_file>\n", "Error opening input file!: %e\n", err, 1},
    {"read_n_integers", exactly_two, "Usage: %s <filename> <number>\n", "Error opening file.: %e\n", err, 1},
    {"ten_integers", exactly_one, "Error: Please provide an input filename as the first argument.", "Error: File not found or could not be opened.", out, 1},
    {"silent_integer_scan", exactly_one, "Usage: %s filename\n", "Error opening file: %s\n", out, 1},
    {"first_integer_check", exactly_two, "Usage: %s inputfile outputfile\n", "Error: invalid number of inputs\n", out, 1, true},
    {"nonzero_triples_to_file", exactly_two, "Usage: %s input_file output_file\n", "Error opening input file.\n", out, 1, true},
    {"student_records_to_file", exactly_two, "Usage: %s <input file> <output file>\n", "Could not open file.\n", out, 1, true},
    {"expression_value_from_file", exactly_two, "Please provide two command-line arguments: a filename and an integer value.", "Error: could not open file %s\n", out, 1},
    {"words_with_feof", unchecked, nullptr, "Error opening file.\n", out, 1},
    {"truncate_and_echo_second_arg", unchecked, nullptr, "Error: failed to open input file\n", out, 1},
    {"char_table_ten_per_pass", exactly_two, "Usage: %s input_file output_file\n", "Error opening file\n", out, 2, true},
    {"rescan_integer_count", exactly_one, "Usage: %s filename\n", "Error: file not found\n", out, 1},
    {"integer_list_million", exactly_one, "Usage: %s input_file\n", "Error: cannot open %s for reading\n", out, 1},
    {"offset_then_stdin_echo", exactly_one, "Usage: %s input_file\n", "Error: could not read input\n", out, 1},
};
// clang-format on

// Wrong counts, and inputs that cannot be opened (missing, or a name too long
// for the system).
std::vector<Case> frame_cases() {
    std::vector<Case> cases;
    for (const Frame& f : frames) {
        if (f.usage) {
            Case refused{.program = f.program, .args = {}, .out = harness::with_name(f.usage, std::string("./") + f.program),
                         .status = 1, .files = {{"t", "1\n"}}, .note = "too few arguments"};
            if (f.count == exactly_two) refused.args = {"t"};
            cases.push_back(refused);
            refused.args = {"t", "t", "t"};
            refused.note = "too many arguments";
            cases.push_back(refused);
        }
        for (auto [name, error] : {std::pair<std::string, std::string>{"missing.txt", "No such file or directory"},
                                   {std::string(10000, 'n'), "File name too long"}}) {
            Case failed{.program = f.program, .args = {name}, .status = f.failure_status, .note = "open fails"};
            if (f.count == exactly_two) failed.args.push_back("o");
            if (f.creates_second) failed.files_after = harness::Files{{"o", ""}};
            (f.failure_on == err ? failed.err : failed.out) = replace_all(replace_all(f.failure, "%s", name), "%e", error);
            cases.push_back(failed);
        }
    }
    return cases;
}

Case on(const char* program, const std::string& text, std::string output, std::string note = "", int status = 0) {
    return {.program = program, .args = {"t"}, .out = std::move(output), .status = status, .files = {{"t", text}}, .note = std::move(note)};
}
Case two(const char* program, const std::string& text, const std::string& second, std::string output, std::string note = "") {
    return {.program = program, .args = {"t", second}, .out = std::move(output), .files = {{"t", text}}, .note = std::move(note)};
}
// A program reading "t" and writing "o".
Case writes(const char* program, const std::string& text, std::string output, std::string written, std::string note = "", int status = 0) {
    return {.program = program, .args = {"t", "o"}, .out = std::move(output), .status = status, .files = {{"t", text}, {"o", "old\n"}},
            .files_after = harness::Files{{"t", text}, {"o", std::move(written)}}, .note = std::move(note)};
}

const std::string wide = "2147483648 -2147483649 99999999999999999999\n";

std::vector<Case> read_cases() {
    const std::string n99(99, 'n');
    return {
        // Integer echo loops.
        on("integers_input_prefix", "1 -2\n+3", "Input: 1\nInput: -2\nInput: 3\n", "no final newline"),
        on("integers_input_prefix", "4 x 5", "Input: 4\n", "text that is not a number ends the loop"),
        on("integers_one_per_line", wide, "-2147483648\n2147483647\n-1\n", "beyond int: the low 32 bits of strtol"),
        on("integers_one_per_line", "", ""),
        on("integers_read_prefix", "7", "Read: 7\n"),
        on("odd_report_per_integer", "4 -2", "11 is odd\n-1 is odd\n"),
        on("odd_report_per_integer", "2147483647", "1 is odd\n", "2v+3 wraps"),
        on("integers_plain_no_close", "1\n2\n- 3", "1\n2\n", "a sign without digits"),
        two("even_integers", "1 2 3 4", "unused", "2\n4\n"),
        two("even_integers", "-4 -3 0 5x6", "", "-4\n0\n", "negative evens; stops at the x"),
        on("integers_until_mismatch", "1 2 x 3", "1\n2\n"),
        on("integers_until_mismatch", "1 2", "1\n2\n", "the end of the file ends the loop"),
        {.program = "integers_until_mismatch", .err = "Error: File not found or cannot be opened.: No such file or directory\n",
         .status = 1, .note = "no argument: an empty name"},
        {.program = "integers_until_mismatch", .args = {"t", "more"}, .out = "9\n", .files = {{"t", "9"}}},
        on("long_integers_until_mismatch", "99999999999999999999 -99999999999999999999 5000000000 y 1",
           "9223372036854775807\n-9223372036854775808\n5000000000\n", "held at the limits of long long"),
        on("long_integers_until_mismatch", "-1\n", "-1\n", "ends at the end of the file, status 0"),
        on("integers_until_mismatch_perror", "3 4", "3\n4\n"),
        on("integers_until_mismatch_perror", "", ""),

        // Counted and repeated reads.
        two("read_n_integers", "7 8", "4", "7 8 0 0 ", "missing numbers stay 0"),
        two("read_n_integers", "7 x 9", "3abc", "7 0 0 ", "a mismatch fails every later read"),
        two("read_n_integers", "7 8", "0", ""),
        two("read_n_integers", "7 8", "-5", "", "a negative count reads nothing"),
        on("ten_integers", "5", repeat("5\n", 10)),
        on("ten_integers", "1 2 x 3", "1\n" + repeat("2\n", 9), "the slot keeps its last value"),
        on("ten_integers", "", repeat("0\n", 10)),
        on("silent_integer_scan", "1 2 3\n", ""),
        on("silent_integer_scan", "1 abc 2", "", "text that is not a number ends the reading"),
        {.program = "silent_integer_scan", .args = {"d"}, .note = "a read error ends the reading", .dirs = {"d"}},

        // Readers that write a file.
        writes("first_integer_check", "42 rest", "", "", "the output is emptied"),
        writes("first_integer_check", "abc", "Error: invalid number of inputs\n", "", "", 1),
        writes("first_integer_check", "", "Error: invalid number of inputs\n", "", "empty file", 1),
        writes("nonzero_triples_to_file", "0 0 0 1 2 3", "", "1 2 3\n"),
        writes("nonzero_triples_to_file", "0 0 1\n-1 0 0 4 5", "", "0 0 1\n-1 0 0\n", "an incomplete triple ends the loop"),
        writes("student_records_to_file", "1 Alice Smith\n2 Bob\n", "Data stored successfully.\n",
               "ID: 1\nName: Alice Smith\nGPA: 0.00\nID: 2\nName: Bob\nGPA: 0.00\n"),
        writes("student_records_to_file", "3 " + n99 + "N\n4 z", "Data stored successfully.\n",
               "ID: 3\nName: " + n99 + "\nGPA: 0.00\nID: 4\nName: z\nGPA: 0.00\n", "names cut at 99; the byte after is dropped"),
        writes("student_records_to_file", "", "Data stored successfully.\n", ""),
        writes("student_records_to_file", "5\n", "Data stored successfully.\n", "", "an id without a name"),
        {.program = "student_records_to_file", .args = {"t", "d"}, .out = "Could not open file.\n", .status = 1, .files = {{"t", "1 a\n"}},
         .note = "the output cannot be opened", .dirs = {"d"}},
        writes("char_table_ten_per_pass", "abcdefghijklmnopqrstuvwxyz", "t\t99\nt\t100\nt\t101\nt\t102\nt\t103\nt\t104\nt\t105\nt\t106\nt\t107\nt\t108\n", "",
               "one pass: the counter became 'b'"),
        writes("char_table_ten_per_pass", "a\x01" "bcdefghijk\x09", "t\t98\nt\t99\nt\t100\nt\t101\nt\t102\nt\t103\nt\t104\nt\t105\nt\t106\nt\t107\n" + repeat("t\t107\n", 10), "",
               "a counter code of 1 gives a second pass; codes kept at the end of the file"),
        writes("char_table_ten_per_pass", "", repeat("t\t0\n", 100), "", "empty file: ten passes of 0"),
        writes("char_table_ten_per_pass", "a\x10\xe9", "t\t233\n" + repeat("t\t233\n", 9), "", "a byte above 127 as 0-255"),

        // One-shot reads.
        two("expression_value_from_file", "12 abc\n", "7", "The value of the expression is: 12\n"),
        two("expression_value_from_file", "", "7", "The value of the expression is: 7\n", "empty file: the argument's value"),
        two("expression_value_from_file", "x", "99999999999999999999", "The value of the expression is: -1\n"),
        two("expression_value_from_file", "5 " + std::string(10000, 'w'), "0", "The value of the expression is: 5\n", "a long word"),
        on("words_with_feof", "one\n", "File read: one\nFile read: one\n", "white space after the last word"),
        on("words_with_feof", "one two", "File read: one\nFile read: two\n"),
        on("words_with_feof", "", "File read: t\n", "empty file: the file name"),
        on("words_with_feof", std::string(300, 'w') + " x", "File read: " + std::string(300, 'w') + "\nFile read: x\n",
           "a word longer than 255 is one line"),
        on("words_with_feof", std::string(5000, 'w'), "File read: " + std::string(4095, 'w') + "\nFile read: " + std::string(905, 'w') + "\n",
           "words longer than the 4095-byte buffer arrive in pieces"),
        {.program = "words_with_feof", .args = {"d"}, .out = "File read: d\n", .note = "a read error ends the loop", .dirs = {"d"}},
        {.program = "words_with_feof", .args = {std::string(200, 'd') + "/" + std::string(200, 'd') + "/e"},
         .out = "File read: " + std::string(200, 'd') + "/" + std::string(200, 'd') + "/e\n",
         .files = {{std::string(200, 'd') + "/" + std::string(200, 'd') + "/e", ""}},
         .note = "empty file: a file name longer than 255 is printed whole",
         .dirs = {std::string(200, 'd'), std::string(200, 'd') + "/" + std::string(200, 'd')}},
        {.program = "truncate_and_echo_second_arg", .args = {"t", "hi"}, .out = "output: hi\n", .files = {{"t", "data here\n"}},
         .files_after = harness::Files{{"t", ""}}},
        {.program = "truncate_and_echo_second_arg", .args = {"t"}, .out = "output: (null)\n", .files = {{"t", "x"}},
         .files_after = harness::Files{{"t", ""}}, .note = "no second argument"},
        {.program = "truncate_and_echo_second_arg", .args = {"t", std::string(10000, 'a')}, .out = "output: " + std::string(10000, 'a') + "\n",
         .files = {{"t", "x"}}, .files_after = harness::Files{{"t", ""}}, .note = "a long second argument is printed whole"},
        {.program = "truncate_and_echo_second_arg", .args = {"d", "x"}, .out = "Error: failed to open output file\n", .status = 1,
         .dirs = {"d"}},
        {.program = "last_two_integers_of_slots", .args = {"x", "f", "y"}, .out = "7 8 \n", .files = {{"f", "7 8 9"}}},
        {.program = "last_two_integers_of_slots", .args = {"x", "f", "y", "z"}, .out = "0 7 8 \n", .files = {{"f", "7 8"}},
         .note = "unfilled slots are 0"},
        {.program = "last_two_integers_of_slots", .args = {"x", "f"}, .out = "8 \n", .files = {{"f", "7 8"}},
         .note = "one slot: the second number"},
        {.program = "last_two_integers_of_slots", .args = {"x", "f", "y"}, .out = "5 0 \n", .files = {{"f", "5"}}},
        {.program = "last_two_integers_of_slots", .args = {"f"}, .out = "Error opening file\n", .status = 1, .files = {{"f", "1 2"}},
         .note = "no second argument"},
        {.program = "last_two_integers_of_slots", .args = {"x", "missing"}, .out = "Error opening file\n", .status = 1},
        on("rescan_integer_count", "123 45\n", "4\n", "the rescan of the last digit ends the loop"),
        on("rescan_integer_count", "-7", "8\n"),
        on("rescan_integer_count", "x 5", "0\n"),
        on("rescan_integer_count", "", "0\n"),

        // input.txt, the million-value table, and standard input.
        {.program = "reverse_integers_input_txt", .args = {"3"}, .out = "3\n2\n1\n", .files = {{"input.txt", "1 2 3 4 5"}}},
        {.program = "reverse_integers_input_txt", .args = {"1000"}, .out = repeat("0\n", 999) + "7\n", .files = {{"input.txt", "7"}},
         .note = "1000 is allowed; missing numbers are 0"},
        {.program = "reverse_integers_input_txt", .args = {"0"}, .files = {{"input.txt", "1"}}},
        {.program = "reverse_integers_input_txt", .args = {"1001"}, .err = "Invalid number of integers: Success\n", .status = 2,
         .files = {{"input.txt", "1"}}},
        {.program = "reverse_integers_input_txt", .args = {"-1"}, .err = "Invalid number of integers: Success\n", .status = 2,
         .files = {{"input.txt", "1"}}, .note = "compared as unsigned"},
        {.program = "reverse_integers_input_txt", .err = "Usage: ./reverse_integers_input_txt <count>\n", .status = 1,
         .files = {{"input.txt", "1"}}, .note = "no argument"},
        {.program = "reverse_integers_input_txt", .args = {"3"}, .err = "Input file not found: No such file or directory\n", .status = 1},
        on("integer_list_million", "1 -2 3\n", "1 -2 3 "),
        on("integer_list_million", "1 x 2", "1 "),
        on("integer_list_million", "", ""),
        on("integer_list_million", repeat("0\n", 1000000), repeat("0 ", 1000000), "1,000,000 values fit"),
        on("integer_list_million", repeat("0\n", 1000001), "Error: input file too large\n", "one more is refused", 1),
        {.program = "offset_then_stdin_echo", .args = {"f"}, .out = "hello\nworld", .input = "hello\nworld", .files = {{"f", "5"}}},
        {.program = "offset_then_stdin_echo", .args = {"f"}, .out = repeat("l\n", 300) + std::string(150, 'p'),
         .input = repeat("l\n", 300) + std::string(150, 'p'), .files = {{"f", "-2147483648"}}, .note = "many lines, long line"},
        {.program = "offset_then_stdin_echo", .args = {"f"}, .out = "x\n", .input = "x\n", .files = {{"f", "abc"}},
         .note = "not a number: from 0"},
        {.program = "offset_then_stdin_echo", .args = {"f"}, .out = "Error: could not read input\n", .status = 1, .input = "x\n",
         .files = {{"f", " \n"}}, .note = "only white space"},
    };
}

// Every program on a 10 000-byte word and on numbers at the extremes, with
// its second argument where it needs one: it must end normally.
std::vector<harness::Run> probe_runs() {
    std::vector<harness::Run> runs;
    for (const Frame& f : frames)
        for (const std::string& text : {std::string(10000, 'L'), repeat(wide + "2147483647 -2147483648 ", 200)}) {
            harness::Run r{.program = f.program, .args = {"t"}, .input = text, .files = {{"t", text}}};
            if (f.count == exactly_two) r.args.push_back("-2147483648");
            runs.push_back(r);
        }
    runs.push_back({.program = "reverse_integers_input_txt", .args = {"99999999999999999999"}, .files = {{"input.txt", wide}}});
    runs.push_back({.program = "last_two_integers_of_slots", .args = {"x", "t", std::string(10000, 'y')}, .files = {{"t", wide}}});
    return runs;
}

const std::vector<Case> frame_table = frame_cases();
const std::vector<Case> read_table = read_cases();
const std::vector<harness::Run> probe_table = probe_runs();

}  // namespace

HARNESS_TABLE(FormattedReaderFrames, frame_table);
HARNESS_TABLE(FormattedReaderReads, read_table);
HARNESS_PROBES(FormattedReaderProbes, probe_table);

// A table too large for the memory the program may use is refused, not used.
PROGRAM_TEST(FormattedReaderMemory, TableTooLarge, "read_n_integers") {
    if (const char* why = harness::data_limit_unusable()) GTEST_SKIP() << why;
    harness::Outcome o = harness::run(
        {.program = "read_n_integers", .args = {"t", "500000000"}, .files = {{"t", "1"}}, .data_limit = 64UL << 20});
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(o.err, "Error allocating memory: Cannot allocate memory\n");
}
