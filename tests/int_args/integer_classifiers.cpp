// Programs that convert their first argument to an int and say which class it
// falls in: odd or even, its sign, inside a range or not, a power of two or
// not. Some refuse a wrong argument count or a value, each with its own text
// and status.
#include <climits>
#include <functional>

#include "harness/harness.hpp"

using harness::Case;
using harness::with_name;
using harness::Run;

namespace {

std::string num(long long v) { return std::to_string(v); }

// ---------------------------------------------------------------------------
// Refusals of a wrong argument count: always on standard output.

struct Checked {
    const char* program;
    bool at_least;        // more arguments are accepted (and ignored)
    const char* refusal;  // "%s" stands for the invocation name
};

const Checked checked[] = {
    {"positive_check_request", true, "Please provide an input\n"},
    {"sign_report_one_argument", false, "Please provide one input argument\n"},
    {"parity_valid_input", true, "Please provide a valid input.\n"},
    {"nonzero_echo_status_two", false, "Usage: %s INPUT\n"},
    {"parity_exactly_one", false, "Error: Please provide exactly one argument\n"},
    {"nonnegative_gate", false, "Usage: %s input\n"},
    {"percent_range_gate", false, "Usage: ./program NUM\n"},
    {"parity_optimized_result", false, "Please provide an integer as input\n"},
    {"parity_usage_integer", false, "Usage: %s integer\n"},
    {"sign_word_report", false, "Usage: program INPUT\n"},
    {"parity_usage_dot", false, "Usage: %s <integer>\n"},
    {"power_of_two_usage", false, "Usage: %s input\n"},
};

std::vector<Case> refusal_cases() {
    std::vector<harness::CountRule> rules;
    for (const Checked& c : checked) {
        std::vector<int> refused = {0};
        if (!c.at_least) refused.push_back(2);
        rules.push_back({c.program, refused, c.refusal});
    }
    return harness::count_refusals(rules);
}

// ---------------------------------------------------------------------------
// Verdicts over the conversions: each text with the int atoi gives for it.

struct Converted {
    std::string text;
    int value;
};

const std::vector<Converted> conversions = {
    {"7", 7},                           // odd, positive
    {"-3", -3},                         // odd, negative
    {"0", 0},                           // even, zero
    {"64", 64},                         // even, a power of two
    {"  +12abc", 12},                   // blanks and sign skipped, rest ignored
    {"abc", 0},                         // no digits
    {"2147483647", INT_MAX},
    {"-2147483648", INT_MIN},
    {"4294967297", 1},                  // low 32 bits
    {"99999999999999999999", -1},       // strtol saturates, low 32 bits all ones
};

struct Verdict {
    std::string out;
    int status = 0;
};
using Model = std::function<Verdict(const std::string& text, int v)>;

Model parity(const char* odd, const char* even) {
    return [=](auto&, int v) { return Verdict{num(v) + ((v & 1) ? odd : even)}; };
}
bool power_of_two(int v) { return (static_cast<unsigned>(v) & (static_cast<unsigned>(v) - 1u)) == 0; }
const char* sign_word(int v, const char* pos, const char* zero, const char* neg) {
    return v > 0 ? pos : v == 0 ? zero : neg;
}

const std::vector<std::pair<const char*, Model>> models = {
    {"positive_check_request",
     [](auto&, int v) { return Verdict{num(v) + (v > 0 ? " is a positive number\n" : " is not a positive number\n")}; }},
    {"sign_report_one_argument",
     [](auto&, int v) { return Verdict{num(v) + (v > 0 ? " is positive\n" : " is negative\n")}; }},
    {"parity_valid_input", parity(" is an odd number.\n", " is an even number.\n")},
    {"nonzero_echo_status_two",
     [](auto&, int v) { return v ? Verdict{num(v)} : Verdict{"Input must be a non-zero integer.\n", 2}; }},
    {"parity_exactly_one", parity(" is an odd number\n", " is an even number\n")},
    {"nonnegative_gate",
     [](auto&, int v) { return v >= 0 ? Verdict{} : Verdict{"Invalid input. Please enter a non-negative integer\n", 1}; }},
    {"percent_range_gate",
     [](auto&, int v) {
         return v >= 0 && v <= 100 ? Verdict{"The number is " + num(v) + ".\n"}
                                   : Verdict{"Invalid input! Please enter a number between 0 and 100.\n", 1};
     }},
    {"parity_optimized_result",
     [](auto&, int v) {
         long long r = (v & 1) == 0 ? v / 2 : v > 10 ? v - 5LL : v;
         return Verdict{"The optimized result is: " + num(r) + "\n"};
     }},
    {"parity_usage_integer", parity(" is odd\n", " is even\n")},
    {"sign_word_report", [](auto&, int v) { return Verdict{sign_word(v, "positive\n", "zero\n", "negative\n")}; }},
    {"parity_usage_dot", parity(" is odd.\n", " is even.\n")},
    {"byte_range_check",
     [](auto&, int v) {
         return Verdict{std::string("Enter an integer: ") +
                        (v >= 0 && v <= 255 ? "Input is between 0 and 255.\n"
                                            : "Invalid input. Input should be an integer between 0 and 255.\n")};
     }},
    {"power_of_two_usage",
     [](auto&, int v) { return Verdict{num(v) + (power_of_two(v) ? " is a power of 2\n" : " is not a power of 2\n")}; }},
    {"parity_after_prompt",
     [](auto&, int v) { return Verdict{"Enter a number:" + num(v) + ((v & 1) ? " is odd.\n" : " is even.\n")}; }},
    {"parity_sentence_pair",
     [](auto&, int v) {
         return Verdict{"The entered number is " + num(v) + ((v & 1) ? "It's an odd number!" : "It's an even number!")};
     }},
    {"positive_parity_sentence",
     [](auto&, int v) {
         if (v <= 0) return Verdict{"Error: Invalid or zero input.\n", 1};
         return Verdict{(v & 1) ? "The number is odd.\n" : "The number is even.\n"};
     }},
    {"power_of_two_plain",
     [](auto&, int v) {
         return Verdict{num(v) + (v && power_of_two(v) ? " is a power of 2\n" : " is not a power of 2\n")};
     }},
    {"positive_text_check",
     [](auto& text, int v) {
         return Verdict{v > 0 ? num(v) + " is a positive number.\n" : text + " is not a positive number.\n"};
     }},
    {"parity_plain", parity(" is odd\n", " is even\n")},
    {"sum_parity_claim",
     [](auto&, int v) {
         return Verdict{std::string("Please enter an integer:\n") + ((v & 1) ? "The sum is odd.\n" : "The sum is even.\n")};
     }},
    {"parity_plain_dot", parity(" is odd.\n", " is even.\n")},
    {"sign_of_x", [](auto&, int v) { return Verdict{sign_word(v, "x is positive\n", "x is zero\n", "x is negative\n")}; }},
    {"parity_word_pair", [](auto&, int v) { return Verdict{(v & 1) ? "Odd number\n" : "Even number\n"}; }},
};

std::vector<Case> verdict_cases() {
    std::vector<Case> cases;
    for (const auto& [program, model] : models)
        for (const Converted& c : conversions) {
            Verdict v = model(c.text, c.value);
            cases.push_back({.program = program, .args = {c.text}, .out = v.out, .status = v.status});
        }
    return cases;
}

// ---------------------------------------------------------------------------
// Bounds, worked examples, extra and missing arguments.

std::vector<Case> member_cases() {
    return {
        {.program = "percent_range_gate", .args = {"100"}, .out = "The number is 100.\n"},
        {.program = "percent_range_gate", .args = {"101"},
         .out = "Invalid input! Please enter a number between 0 and 100.\n", .status = 1},
        {.program = "percent_range_gate", .args = {"-1"},
         .out = "Invalid input! Please enter a number between 0 and 100.\n", .status = 1},
        {.program = "byte_range_check", .args = {"255"}, .out = "Enter an integer: Input is between 0 and 255.\n"},
        {.program = "byte_range_check", .args = {"256"},
         .out = "Enter an integer: Invalid input. Input should be an integer between 0 and 255.\n"},
        {.program = "byte_range_check", .args = {"-1"},
         .out = "Enter an integer: Invalid input. Input should be an integer between 0 and 255.\n"},
        {.program = "byte_range_check", .args = {"300"},
         .out = "Enter an integer: Invalid input. Input should be an integer between 0 and 255.\n", .input = "5\n",
         .note = "standard input not read"},
        {.program = "parity_optimized_result", .args = {"10"}, .out = "The optimized result is: 5\n"},
        {.program = "parity_optimized_result", .args = {"11"}, .out = "The optimized result is: 6\n"},
        {.program = "parity_optimized_result", .args = {"-6"}, .out = "The optimized result is: -3\n"},
        {.program = "nonzero_echo_status_two", .args = {"4294967296"}, .out = "Input must be a non-zero integer.\n",
         .status = 2, .note = "low 32 bits are 0"},
        {.program = "power_of_two_plain", .args = {"1073741824"}, .out = "1073741824 is a power of 2\n"},
        {.program = "positive_text_check", .args = {"-5 apples"}, .out = "-5 apples is not a positive number.\n"},
        {.program = "positive_text_check", .args = {"%d%s"}, .out = "%d%s is not a positive number.\n"},

        // Members that accept more than one argument ignore the rest.
        {.program = "positive_check_request", .args = {"3", "-4"}, .out = "3 is a positive number\n"},
        {.program = "parity_valid_input", .args = {"3", "4"}, .out = "3 is an odd number.\n"},
        {.program = "parity_plain", .args = {"4", "3"}, .out = "4 is even\n"},

        // Members without a count check take a missing argument as 0.
        {.program = "byte_range_check", .out = "Enter an integer: Input is between 0 and 255.\n"},
        {.program = "parity_after_prompt", .out = "Enter a number:0 is even.\n"},
        {.program = "parity_sentence_pair", .out = "The entered number is 0It's an even number!"},
        {.program = "positive_parity_sentence", .out = "Error: Invalid or zero input.\n", .status = 1},
        {.program = "power_of_two_plain", .out = "0 is not a power of 2\n"},
        {.program = "positive_text_check", .out = "(null) is not a positive number.\n"},
        {.program = "parity_plain", .out = "0 is even\n"},
        {.program = "sum_parity_claim", .out = "Please enter an integer:\nThe sum is even.\n"},
        {.program = "parity_plain_dot", .out = "0 is even.\n"},
        {.program = "sign_of_x", .out = "x is zero\n"},
        {.program = "parity_word_pair", .out = "Even number\n"},
    };
}

// ---------------------------------------------------------------------------
// Extreme texts: every member must end normally.

std::vector<Run> probe_runs() {
    const std::vector<std::vector<std::string>> extremes = {
        {"2147483647"}, {"-2147483648"}, {"99999999999999999999"}, {"-99999999999999999999"},
        {""}, {std::string(10000, '7')}, {std::string(10000, 'x')}, {},
    };
    std::vector<Run> runs;
    for (const auto& [program, model] : models)
        for (const auto& args : extremes) runs.push_back({.program = program, .args = args});
    return runs;
}

const std::vector<Case> refusal_table = refusal_cases();
const std::vector<Case> verdict_table = verdict_cases();
const std::vector<Case> member_table = member_cases();
const std::vector<Run> probe_table = probe_runs();

}  // namespace

HARNESS_TABLE(IntegerClassifierRefusals, refusal_table);
HARNESS_TABLE(IntegerClassifierVerdicts, verdict_table);
HARNESS_TABLE(IntegerClassifierMembers, member_table);
HARNESS_PROBES(IntegerClassifierProbes, probe_table);
