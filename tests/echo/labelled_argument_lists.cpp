// Programs that walk the argument vector and print its words with a label, an
// index or a count, some after a heading or a count check of their own.
#include <regex>
#include <string>
#include <vector>

#include "harness/harness.hpp"

using harness::Case;
using harness::Run;

namespace {

using Args = std::vector<std::string>;

// Replaces the first "%d" of `format` by `number` and the first "%s" by `word`.
std::string fill(std::string format, int number, const std::string& word = "") {
    if (size_t at = format.find("%d"); at != std::string::npos) format.replace(at, 2, std::to_string(number));
    if (size_t at = format.find("%s"); at != std::string::npos) format.replace(at, 2, word);
    return format;
}

// ---------------------------------------------------------------------------
// Programs that print a heading, one item per argument and a closing text,
// with no count rule.

struct Listed {
    const char* program;
    const char* heading;  // "%d": the word count; "" for none
    const char* item;     // "%d": the index; "%s": the argument
    const char* trailer;
};

const Listed listed[] = {
    {"argv_index_listing", "This program takes input from the command line arguments.\n", "argv[%d] = %s\n", ""},
    {"arg_index_listing", "Input:\n", "arg%d: %s\n", ""},
    {"dash_arg_listing", "All command line arguments:\n", "-arg%d: %s\n", ""},
    {"hello_numbered_arguments", "Hello world!\n", "Argument %d: %s\n", ""},
    {"numbered_arguments_trailer", "", "Argument %d: %s\n", "You provided these arguments: \n"},
    {"counted_numbered_arguments", "Number of arguments: %d\n", "Argument #%d: %s\n", ""},
    {"bare_count_numbered_arguments", "%d\n", "Argument %d: %s\n", ""},
    {"quoted_numbered_arguments", "Number of command-line arguments: %d\n", "Argument %d: '%s'\n", ""},
    {"quoted_hash_numbered_arguments", "The number of arguments: %d\n", "Argument #%d is '%s'\n", ""},
    {"dash_tab_argument_line", "Input Arguments:\n", "-%s\t", ""},
    {"argv_array_inline_echo", "Input from argv array: ", "%s ", ""},
    {"inline_quoted_count_listing", "Input argument count: %d\n", "Argument %d is '%s': ", ""},
    {"count_then_puts_arguments", "There are %d arguments\n", "%s\n", ""},
    {"count_label_then_puts_arguments", "Command line argument count: %d\n", "%s\n", ""},
};

std::string listing(const Listed& l, const Args& args) {
    std::string out = fill(l.heading, static_cast<int>(args.size()) + 1);
    for (size_t i = 0; i < args.size(); i++) {
        std::string item = l.item;
        // Items without an index take the argument only.
        out += item.find("%d") == std::string::npos ? fill(item, 0, args[i]) : fill(item, static_cast<int>(i) + 1, args[i]);
    }
    return out + l.trailer;
}

std::vector<Case> listed_cases() {
    std::vector<Case> cases;
    for (const Listed& l : listed) {
        for (const Args& args : {Args{}, Args{"one"}, Args{"one", "two words", "-x", ""}})
            cases.push_back({.program = l.program, .args = args, .out = listing(l, args),
                             .note = std::to_string(args.size()) + " arguments"});
    }
    return cases;
}

// ---------------------------------------------------------------------------
// The other members, one row per behaviour.

const std::vector<Case> member_table = {
    // Pairs the first two arguments once per argument, whatever is visited.
    {.program = "program_name_pair_lines", .out = "Program Name: ./program_name_pair_lines\nCommand Line Arguments:\n",
     .note = "no argument: headings only"},
    {.program = "program_name_pair_lines", .args = {"-o", "file"},
     .out = "Program Name: ./program_name_pair_lines\nCommand Line Arguments:\n-o - file\n-o: file\n",
     .note = "dash chooses the separator of each line"},
    {.program = "program_name_pair_lines", .args = {"a", "b", "-c"},
     .out = "Program Name: /opt/p\nCommand Line Arguments:\na: b\na: b\na - b\n", .argv0 = "/opt/p", .note = "invocation name as started"},
    {.program = "program_name_pair_lines", .args = {"only"},
     .out = "Program Name: ./program_name_pair_lines\nCommand Line Arguments:\nonly: (null)\n",
     .note = "missing second argument"},

    {.program = "null_terminated_argument_list",
     .out = "The number of arguments passed is: 1\n(null) is a null pointer.\n", .note = "no argument"},
    {.program = "null_terminated_argument_list", .args = {"a", "b c"},
     .out = "The number of arguments passed is: 3\nThe command-line argument 1: a\nThe command-line argument 2: b c\n"
            "(null) is a null pointer.\n",
     .note = "n+1 lines, the last for the null entry"},

    {.program = "numbered_arguments_at_least_one", .out = "Error: Too few arguments\n", .status = 1},
    {.program = "numbered_arguments_at_least_one", .args = {"x", "y"}, .out = "Argument #1: x\nArgument #2: y\n"},

    {.program = "numbered_words_limit_ten", .out = "Argument 1: ./numbered_words_limit_ten\n",
     .note = "invocation name numbered 1"},
    {.program = "numbered_words_limit_ten", .args = {"1", "2", "3", "4", "5", "6", "7", "8", "9"},
     .out = "Argument 1: ./numbered_words_limit_ten\nArgument 2: 1\nArgument 3: 2\nArgument 4: 3\nArgument 5: 4\n"
            "Argument 6: 5\nArgument 7: 6\nArgument 8: 7\nArgument 9: 8\nArgument 10: 9\n",
     .note = "nine arguments accepted"},
    {.program = "numbered_words_limit_ten", .args = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"},
     .out = "Error: too many arguments\n", .status = 1, .note = "ten arguments refused"},

    {.program = "input_per_argument", .out = "No input provided.\n", .note = "refusal with status 0"},
    {.program = "input_per_argument", .args = {"a", "b"}, .out = "Input a\nInput b\n"},

    {.program = "input_argument_listing", .out = "No input provided. Please enter command line arguments.",
     .status = 1},
    {.program = "input_argument_listing", .args = {"a", "b"}, .out = "Input argument #1: a\nInput argument #2: b\n"},

    {.program = "quoted_argv_inline_listing", .out = "Please enter an input: ", .note = "refusal with status 0"},
    {.program = "quoted_argv_inline_listing", .args = {"a", "b c"}, .out = "argv[1] is 'a': argv[2] is 'b c': "},

    {.program = "two_argument_listing", .args = {"a", "b"}, .out = "Input argument 1: a\nInput argument 2: b\n"},
    {.program = "two_argument_listing", .args = {"a"}, .out = "Error: incorrect number of arguments.\n",
     .note = "too few, status 0"},
    {.program = "two_argument_listing", .args = {"a", "b", "c"}, .out = "Error: incorrect number of arguments.\n",
     .note = "too many, status 0"},

    {.program = "first_three_words_listing", .args = {"a", "b", "c"},
     .out = "Inputs are: \nargv[0] = ./first_three_words_listing\nargv[1] = a\nargv[2] = b\n",
     .note = "later arguments ignored"},
    {.program = "first_three_words_listing",
     .out = "Inputs are: \nargv[0] = ./first_three_words_listing\nargv[1] = (null)\nargv[2] = (null)\n",
     .note = "missing arguments"},

    {.program = "first_three_arguments_listing", .args = {"a", "b", "c", "d"},
     .out = "Argument 1: a\nArgument 2: b\nArgument 3: c\n", .note = "later arguments ignored"},
    {.program = "first_three_arguments_listing", .args = {"a"},
     .out = "Argument 1: a\nArgument 2: (null)\nArgument 3: (null)\n", .note = "missing arguments"},

    {.program = "bracket_index_listing_ten", .note = "no argument: nothing"},
    {.program = "bracket_index_listing_ten", .args = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l"},
     .out = "arg[1] = a\narg[2] = b\narg[3] = c\narg[4] = d\narg[5] = e\narg[6] = f\narg[7] = g\narg[8] = h\n"
            "arg[9] = i\narg[10] = j\n",
     .note = "twelve arguments give ten lines"},

    {.program = "listing_from_second_argument", .args = {"a"}, .note = "one argument: nothing"},
    {.program = "listing_from_second_argument", .args = {"a", "b", "c"}, .out = "arg2: b\narg3: c\n"},

    {.program = "all_but_last_inline_echo", .args = {"a"}, .note = "one argument: nothing"},
    {.program = "all_but_last_inline_echo", .args = {"a", "b", "c"}, .out = "a b "},

    {.program = "word_line_until_x", .out = "Please provide an argument\n", .note = "refusal with status 0"},
    {.program = "word_line_until_x", .args = {"a", "b"}, .out = "./word_line_until_x a b \n"},
    {.program = "word_line_until_x", .args = {"a", "xy", "b"}, .out = "./word_line_until_x a \n",
     .note = "a word beginning with x ends the line"},

    {.program = "hello_single_or_later_arguments", .out = "Hello world!\n", .note = "no argument"},
    {.program = "hello_single_or_later_arguments", .args = {"a"},
     .out = "Hello world!\nYou passed a single argument: a.\n"},
    {.program = "hello_single_or_later_arguments", .args = {"a", "b"}, .out = "Hello world!\n",
     .note = "two arguments: greeting only"},
    {.program = "hello_single_or_later_arguments", .args = {"a", "b", "c", "d"},
     .out = "Hello world!\nArgument 3: c\nArgument 4: d\n", .note = "from the third argument on"},

    {.program = "source_name_argument_summary",
     .out = "No input provided.\nProgram: source_name_argument_summary\nArguments: 1\n"},
    {.program = "source_name_argument_summary", .args = {"a", "b", "c"},
     .out = "Input: a\nProgram: source_name_argument_summary\nArguments: 4\nArgument 2: b\nArgument 3: c\n",
     .argv0 = "/x/other", .note = "source name, not invocation name"},

    {.program = "help_version_puts_loop", .out = "Input: ", .note = "no argument"},
    {.program = "help_version_puts_loop", .args = {"a", "b"}, .out = "Input: a\nb\nLoop 1: a\nLoop 2: b\n"},
    {.program = "help_version_puts_loop", .args = {"a", "-v", "b"},
     .out = "Input: a\nVersion: ./help_version_puts_loop\n", .status = 1, .note = "-v after a word"},
    {.program = "help_version_puts_loop", .args = {"-h", "a"}, .out = "Input: Usage: ./help_version_puts_loop [option]\n",
     .status = 1},
    {.program = "help_version_puts_loop", .args = {"a", "--help"},
     .out = "Input: a\nUsage: /opt/hv [option]\n", .status = 1, .argv0 = "/opt/hv"},

    {.program = "help_keyword_puts", .args = {"a", "b"}, .out = "Input: a\nb\n"},
    {.program = "help_keyword_puts", .args = {"-h", "a"}, .out = "Input: ", .note = "-h ends at once, status 0"},
    {.program = "help_keyword_puts", .args = {"a", "-h", "b"}, .out = "Input: a\n", .note = "-h after a word"},
    {.program = "help_keyword_puts", .args = {"a", "--help", "b"}, .out = "Input: a\nUsage: ./help_keyword_puts [-h]",
     .status = 1},

    {.program = "concatenated_argument_list_order", .out = "Input argument list:\nModification order: 15\n",
     .note = "no argument"},
    {.program = "concatenated_argument_list_order", .args = {"ab", "c d", "e"},
     .out = "Input argument list:\nabc deModification order: 15\n"},

    {.program = "five_argument_minimum_puts", .args = {"1", "2", "3", "4"},
     .out = "Invalid input. Program requires at least 5 arguments.\n", .status = 1},
    {.program = "five_argument_minimum_puts", .args = {"1", "2", "3", "4", "5"},
     .out = "./five_argument_minimum_puts\n1\n2\n3\n4\n5\n"},

    {.program = "argument_slot_address_listing", .note = "no argument: nothing"},
};

// ---------------------------------------------------------------------------
// Every member at the extremes: no argument, an empty one, a long one, many.

const char* const members[] = {
    "program_name_pair_lines", "null_terminated_argument_list", "argv_index_listing", "arg_index_listing",
    "dash_arg_listing", "hello_numbered_arguments", "numbered_arguments_at_least_one", "numbered_words_limit_ten",
    "numbered_arguments_trailer", "counted_numbered_arguments", "input_per_argument",
    "bare_count_numbered_arguments", "input_argument_listing", "quoted_argv_inline_listing", "two_argument_listing",
    "quoted_numbered_arguments", "quoted_hash_numbered_arguments", "dash_tab_argument_line",
    "first_three_words_listing", "argument_slot_address_listing", "argv_array_inline_echo",
    "bracket_index_listing_ten", "inline_quoted_count_listing", "listing_from_second_argument",
    "all_but_last_inline_echo", "first_three_arguments_listing", "word_line_until_x",
    "hello_single_or_later_arguments", "source_name_argument_summary", "help_version_puts_loop",
    "help_keyword_puts", "count_then_puts_arguments", "count_label_then_puts_arguments",
    "concatenated_argument_list_order", "five_argument_minimum_puts",
};

std::vector<Run> probe_runs() {
    const std::vector<Args> extremes = {
        {}, {""}, {"", ""}, {harness::repeat("a", 10000)}, Args(12, "w"), {"x"}, Args(40, "-"),
    };
    std::vector<Run> runs;
    for (const char* program : members)
        for (const Args& args : extremes) runs.push_back({.program = program, .args = args});
    return runs;
}

const std::vector<Case> listed_table = listed_cases();
const std::vector<Run> probe_table = probe_runs();

}  // namespace

HARNESS_TABLE(LabelledListings, listed_table);
HARNESS_TABLE(LabelledMembers, member_table);
HARNESS_PROBES(LabelledProbes, probe_table);

// Addresses change from run to run.
HARNESS_LABELS(argument_slot_address_listing, nondeterministic target)

// The addresses are those of consecutive slots of the argument vector, a
// pointer's size apart on the target the program was built for.
PROGRAM_TEST(LabelledAddresses, ConsecutiveSlots, "argument_slot_address_listing") {
    harness::Outcome o = harness::run({.program = "argument_slot_address_listing", .args = {"a", "b c", "d"}});
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.err, "");
    const std::regex line(R"(Argument (\d+): ([^\n]*) \((0x[0-9a-f]+)\)\n)");
    const char* const words[] = {"a", "b c", "d"};
    unsigned long long previous = 0;
    int n = 0;
    for (auto it = std::sregex_iterator(o.out.begin(), o.out.end(), line); it != std::sregex_iterator(); ++it, n++) {
        ASSERT_LT(n, 3);
        EXPECT_EQ((*it)[1].str(), std::to_string(n + 1));
        EXPECT_EQ((*it)[2].str(), words[n]);
        unsigned long long address = std::stoull((*it)[3].str(), nullptr, 16);
        if (n > 0) {
            EXPECT_EQ(address, previous + harness::program_pointer_size("argument_slot_address_listing"));
        }
        previous = address;
    }
    EXPECT_EQ(n, 3);
    size_t total = 0;
    for (auto it = std::sregex_iterator(o.out.begin(), o.out.end(), line); it != std::sregex_iterator(); ++it)
        total += (*it)[0].length();
    EXPECT_EQ(total, o.out.size()) << "nothing but the three lines";
}
