// Programs that run a loop bounded by one integer argument: counting,
// repeating a line, factorials, sums, divisors and digit sums.
#include <string>
#include <utility>
#include <vector>

#include "harness/harness.hpp"

using harness::Case;
using harness::Run;
using harness::with_name;

namespace {

// ---------------------------------------------------------------------------
// Refusals of a wrong argument count, all on standard output.

struct Checked {
    const char* program;
    int count;            // accepted number of arguments
    bool at_least;        // more are accepted (and ignored)
    const char* refusal;  // "%s" stands for the invocation name
    int status = 1;
};

const Checked checked[] = {
    {"divisor_pairs_usage", 2, false, "Usage: %s <n>\n"},
    {"cube_root_constant", 1, false, "Usage: %s <integer>\n"},
    {"product_up_to_n", 1, false, "Please provide exactly one argument.\n"},
    {"sum_up_to_strtol", 1, false, "Usage: ./sum <numbers>\n"},
    {"hello_repeat_usage", 1, false, "Usage: %s <n>\n"},
    {"digit_sum_usage", 1, false, "Usage: %s <number>\n"},
    {"factorial_single_request", 1, false, "Please provide a single integer argument.\n"},
    {"descending_from_n_minus_two", 1, false, "Usage: %s integer\n"},
    {"countdown_two_args", 2, false, "Error: incorrect number of arguments\n"},
    {"factorial_bracket_usage", 1, true, "Usage: %s [number]\n"},
    {"factorial_long_long", 1, false, "Usage: %s <n>\n"},
    {"loop_value_repeat", 1, false, "Error: invalid input\n"},
    {"count_from_zero_invalid", 1, false, "Invalid input\n"},
    {"square_table_usage", 1, false, "Usage: %s <num>\n"},
    {"licm_fixed_count", 1, false, "Usage: %s <integer>\n"},
    {"countdown_input_required", 1, false, "Error: input must be provided.\n"},
    {"even_numbers_from_zero", 1, false, "Usage: %s integer\n"},
    {"count_from_zero_usage", 1, false, "Usage: %s input\n"},
    {"count_long_index_usage", 2, false, "Usage: %s N\n"},
    {"factorial_angle_usage", 1, false, "Usage: %s <n>\n"},
    {"second_argument_hundred", 1, true, "Please provide at least one argument.\n", 255},
};

std::vector<Case> refusal_cases() {
    std::vector<harness::CountRule> rules;
    for (const Checked& c : checked) {
        std::vector<int> refused = {0};
        if (c.count > 1) refused.push_back(c.count - 1);
        if (!c.at_least) refused.push_back(c.count + 1);
        rules.push_back({c.program, refused, c.refusal, c.status});
    }
    return harness::count_refusals(rules);
}

// ---------------------------------------------------------------------------
// Counting programs: one number a line.

std::string count(long long from, long long to, long long step = 1) {
    std::string s;
    for (long long v = from; step > 0 ? v <= to : v >= to; v += step) s += std::to_string(v) + "\n";
    return s;
}

struct Counter {
    const char* program;
    int args;  // arguments it is given (the first is n)
    std::string (*expected)(int n);
};

const Counter counters[] = {
    {"countdown_two_args", 2, [](int n) { return count(n, 1, -1); }},
    {"countdown_input_required", 1, [](int n) { return count(n, 1, -1); }},
    {"count_from_zero_invalid", 1, [](int n) { return count(0, n - 1LL); }},
    {"count_from_zero_usage", 1, [](int n) { return count(0, n - 1LL); }},
    {"count_long_index_usage", 2, [](int n) { return count(0, n - 1LL); }},
    {"even_numbers_from_zero", 1, [](int n) { return count(0, 2LL * n - 2, 2); }},
    {"count_one_to_n", 1, [](int n) { return count(1, n); }},
    {"count_one_to_n_strtol", 1, [](int n) { return count(1, n); }},
    {"count_one_to_n_strtol_each", 1, [](int n) { return count(1, n); }},
    {"count_one_to_n_atoi_each", 1, [](int n) { return count(1, n); }},
};

// Argument texts and the n they stand for: digits, a bound below 1, trailing
// text, a value cut to its low 32 bits, a 20-digit number (-1) and non-numbers.
const std::vector<std::pair<std::string, int>> bounds = {
    {"4", 4}, {"1", 1}, {"0", 0}, {"-3", -3}, {"-2147483648", -2147483648}, {" +3xyz", 3},
    {"4294967299", 3}, {"99999999999999999999", -1}, {"abc", 0}, {"", 0},
};

std::vector<Case> counting_cases() {
    std::vector<Case> cases;
    for (const Counter& c : counters)
        for (const auto& [text, n] : bounds) {
            Case k{.program = c.program, .args = {text}, .out = c.expected(n)};
            k.args.resize(c.args, "ignored");
            cases.push_back(k);
        }
    return cases;
}

// ---------------------------------------------------------------------------
// Factorial programs: the 32-bit product wraps from 13! on and is 0 from 34!.

struct Factorial {
    const char* program;
    std::string before, middle, after;  // line: before n middle n! after
    bool positive_only;                 // n of 0 or less is refused
    const char* refusal = "";
    bool shows_n = true;
};

const Factorial factorials[] = {
    {"factorial_positive_gate", "The factorial of ", " is ", "\n", true, "Error: Input must be a positive integer\n"},
    {"factorial_of_input_message", "The factorial of ", " is ", ".\n", true, "Input must be a positive integer.\n"},
    {"product_up_to_n", "Product: ", "", "\n", false, "", false},
    {"factorial_single_request", "The factorial of ", " is: ", "\n", false},
    {"factorial_bracket_usage", "The factorial of ", " is ", "\n", false},
    {"factorial_angle_usage", "Factorial of ", " is: ", "\n", false},
};

const std::vector<std::pair<std::string, std::string>> int_factorials = {
    {"1", "1"}, {"5", "120"}, {"12", "479001600"}, {"13", "1932053504"}, {"33", "-2147483648"},
    {"34", "0"}, {"2147483647", "0"},
};

std::vector<Case> factorial_cases() {
    std::vector<Case> cases;
    for (const Factorial& f : factorials) {
        auto line = [&](const std::string& n, const std::string& v) {
            return f.before + (f.shows_n ? n + f.middle : "") + v + f.after;
        };
        for (const auto& [n, v] : int_factorials) cases.push_back({.program = f.program, .args = {n}, .out = line(n, v)});
        cases.push_back({.program = f.program, .args = {"6x"}, .out = line("6", "720")});
        for (const char* low : {"0", "-7", "-2147483648", "abc"}) {
            std::string n = std::string(low) == "abc" ? "0" : low;
            if (f.positive_only)
                cases.push_back({.program = f.program, .args = {low}, .out = f.refusal, .status = 1, .note = "n <= 0"});
            else
                cases.push_back({.program = f.program, .args = {low}, .out = line(n, "1"), .note = "1 below 2"});
        }
    }
    return cases;
}

// ---------------------------------------------------------------------------
// Single cases.

const std::string long_text = std::string(10000, 'a');

std::vector<Case> member_cases() {
    return {
        {.program = "factorial_bracket_usage", .args = {"4", "x", "y"}, .out = "The factorial of 4 is 24\n"},
        {.program = "factorial_positive_gate", .out = "Error: Input must be a positive integer\n", .status = 1,
         .note = "missing argument taken as 0"},
        {.program = "factorial_of_input_message", .args = {"3"}, .out = "The factorial of 3 is 6.\n"},
        {.program = "factorial_of_input_message", .out = "Input must be a positive integer.\n", .status = 1},
        {.program = "factorial_long_long", .args = {"20"}, .out = "Factorial of 20 is: 2432902008176640000\n"},
        {.program = "factorial_long_long", .args = {"21"}, .out = "Factorial of 21 is: -4249290049419214848\n",
         .note = "64-bit wrap"},
        {.program = "factorial_long_long", .args = {"13"}, .out = "Factorial of 13 is: 6227020800\n"},
        {.program = "factorial_long_long", .args = {"66"}, .out = "Factorial of 66 is: 0\n"},
        {.program = "factorial_long_long", .args = {"2147483647"}, .out = "Factorial of 2147483647 is: 0\n"},
        {.program = "factorial_long_long", .args = {"-5"}, .out = "Factorial of -5 is: 1\n"},

        {.program = "divisor_pairs_usage", .args = {"12", "x"},
         .out = "12 is divisible by 2\n12 is divisible by 3\n12 is divisible by 4\n12 is divisible by 6\n"
                "12 is divisible by 12\n"},
        {.program = "divisor_pairs_usage", .args = {"7", "x"}, .out = "7 is divisible by 7\n"},
        {.program = "divisor_pairs_usage", .args = {"1", "x"}},
        {.program = "divisor_pairs_usage", .args = {"-12", "x"}, .note = "nothing below 2"},
        {.program = "divisor_list_inline", .args = {"6"}, .out = "1 2 3 6 ", .note = "no final newline"},
        {.program = "divisor_list_inline", .args = {"1"}, .out = "1 "},
        {.program = "divisor_list_inline", .args = {"-6"}},
        {.program = "divisor_list_inline", .note = "missing argument taken as 0"},

        {.program = "cube_root_constant", .args = {"27"}, .out = "The cube root of 27 is approximately 1.000000\n"},
        {.program = "cube_root_constant", .args = {"-2147483648"},
         .out = "The cube root of -2147483648 is approximately 1.000000\n"},

        {.program = "sum_up_to_strtol", .args = {"10"}, .out = "The sum of the numbers is 55\n"},
        {.program = "sum_up_to_strtol", .args = {"100000"}, .out = "The sum of the numbers is 705082704\n",
         .note = "32-bit wrap"},
        {.program = "sum_up_to_strtol", .args = {"-4"}, .out = "The sum of the numbers is 0\n"},
        {.program = "sum_up_to_strtol", .args = {"4294967300"}, .out = "The sum of the numbers is 10\n",
         .note = "low 32 bits"},
        {.program = "sum_up_to_strtol", .args = {"x"}, .out = "The sum of the numbers is 0\n"},

        {.program = "half_step_series", .args = {"1"}, .out = "The value of f(1) is 3.50\n"},
        {.program = "half_step_series", .args = {"2"}, .out = "The value of f(2) is 6.00\n"},
        {.program = "half_step_series", .args = {"10"}, .out = "The value of f(10) is 29.00\n"},
        {.program = "half_step_series", .args = {"-5"}, .out = "The value of f(-5) is -5.00\n"},
        {.program = "half_step_series", .out = "The value of f(0) is 0.00\n", .note = "missing argument"},

        {.program = "hello_repeat_usage", .args = {"3"}, .out = harness::repeat("Hello, world!\n", 3)},
        {.program = "hello_repeat_usage", .args = {"-2147483648"}},
        {.program = "loop_value_repeat", .args = {"3"}, .out = "Loop 3\nLoop 3\nLoop 3\n"},
        {.program = "loop_value_repeat", .args = {"-1"}},

        {.program = "digit_sum_usage", .args = {"12345"}, .out = "The sum of the digits in 12345 is 15.\n"},
        {.program = "digit_sum_usage", .args = {"2147483647"}, .out = "The sum of the digits in 2147483647 is 46.\n"},
        {.program = "digit_sum_usage", .args = {"-123"}, .out = "The sum of the digits in -123 is 0.\n"},
        {.program = "digit_sum_usage", .args = {"0"}, .out = "The sum of the digits in 0 is 0.\n"},

        {.program = "descending_from_n_minus_two", .args = {"6"}, .out = "Input: 6\n 4 3"},
        {.program = "descending_from_n_minus_two", .args = {"5"}, .out = "Input: 5\n 3"},
        {.program = "descending_from_n_minus_two", .args = {"4"}, .out = "Input: 4\n"},
        {.program = "descending_from_n_minus_two", .args = {"-2147483648"}, .out = "Input: -2147483648\n",
         .note = "n-2 does not wrap to a huge count"},

        {.program = "letter_a_scan", .args = {"5aaaa"}, .out = harness::repeat("Found 'a'\n", 4)},
        {.program = "letter_a_scan", .args = {"3abab"}, .out = "Found 'a'\n", .note = "first 3 characters only"},
        {.program = "letter_a_scan", .args = {"99aa"}, .out = "Found 'a'\nFound 'a'\n",
         .note = "stops at the end of the text"},
        {.program = "letter_a_scan", .args = {"100" + long_text}, .out = harness::repeat("Found 'a'\n", 97)},
        {.program = "letter_a_scan", .args = {"101a"}, .out = "Input is out of range\n"},
        {.program = "letter_a_scan", .args = {"aaa"}, .note = "n is 0"},
        {.program = "letter_a_scan", .note = "missing argument"},

        {.program = "square_table_usage", .args = {"3"}, .out = "1 * 1 = 1\n2 * 2 = 4\n3 * 3 = 9\n"},
        {.program = "square_table_usage", .args = {"0"}},

        {.program = "licm_fixed_count", .args = {"7"}, .out = "0\n1\n2\n3\n4\nLoop-Invariant Code Motion: 5\n"},
        {.program = "licm_fixed_count", .args = {long_text}, .out = "0\n1\n2\n3\n4\nLoop-Invariant Code Motion: 5\n"},

        {.program = "second_argument_hundred", .args = {"5", "hi"}, .out = harness::repeat("hi\n", 100)},
        {.program = "second_argument_hundred", .args = {"500", "", "x"}, .out = harness::repeat("\n", 100),
         .note = "counter starts at 0 whatever n"},
        {.program = "second_argument_hundred", .args = {"100"}},
        {.program = "second_argument_hundred", .args = {"5"}, .note = "no second argument: nothing printed"},
        {.program = "second_argument_hundred", .args = {"-2147483648"}},

        {.program = "mersenne_sum_report", .args = {"7"}, .out = "The sum of all numbers up to 7 is: 11\n"},
        {.program = "mersenne_sum_report", .args = {"14"}, .out = "The sum of all numbers up to 14 is: 11\n"},
        {.program = "mersenne_sum_report", .args = {"15"}, .out = "The sum of all numbers up to 15 is: 26\n"},
        {.program = "mersenne_sum_report", .args = {"0"}, .out = "The sum of all numbers up to 0 is: 0\n"},
        {.program = "mersenne_sum_report", .args = {"2147483647"},
         .out = "The sum of all numbers up to 2147483647 is: -33\n", .note = "last term INT_MAX, sum wraps"},
        {.program = "mersenne_sum_report", .out = "The sum of all numbers up to 0 is: 0\n", .note = "missing argument"},

        {.program = "squared_repeat_second", .args = {"7", "2"}, .out = "7 squared is 49\n7 squared is 49\n"},
        {.program = "squared_repeat_second", .args = {"65536", "1"}, .out = "65536 squared is 0\n", .note = "wrap"},
        {.program = "squared_repeat_second", .args = {"7"}, .note = "missing count taken as 0"},
        {.program = "squared_repeat_second", .note = "missing arguments"},

        {.program = "count_one_to_n", .note = "missing argument"},
        {.program = "count_one_to_n_strtol_each", .note = "missing argument"},
        {.program = "count_one_to_n_atoi_each", .args = {"2", "9"}, .out = "1\n2\n"},
    };
}

// Texts at the extremes for every program: none may crash or hang. Counts of
// INT_MAX are left out where the program would print for minutes.
std::vector<Run> probe_runs() {
    const std::vector<std::string> extremes = {"-2147483648", "99999999999999999999", "", std::string(10000, '7'),
                                               std::string(10000, 'a')};
    std::vector<Run> runs;
    for (const Checked& c : checked) {
        for (const auto& e : extremes) {
            Run r{.program = c.program, .args = {e}};
            r.args.resize(c.count, e);
            runs.push_back(r);
        }
    }
    for (const char* p : {"factorial_positive_gate", "factorial_of_input_message", "half_step_series",
                          "letter_a_scan", "divisor_list_inline", "mersenne_sum_report", "squared_repeat_second",
                          "count_one_to_n", "count_one_to_n_strtol", "count_one_to_n_strtol_each",
                          "count_one_to_n_atoi_each"})
        for (const auto& e : extremes) runs.push_back({.program = p, .args = {e, e}});
    for (const char* p : {"factorial_positive_gate", "factorial_of_input_message", "factorial_bracket_usage",
                          "factorial_angle_usage", "factorial_single_request", "product_up_to_n",
                          "factorial_long_long", "digit_sum_usage", "cube_root_constant", "licm_fixed_count",
                          "letter_a_scan", "mersenne_sum_report"})
        runs.push_back({.program = p, .args = {"2147483647"}});
    runs.push_back({.program = "squared_repeat_second", .args = {"2147483647", "3"}});
    runs.push_back({.program = "second_argument_hundred", .args = {"2147483647"}});
    return runs;
}

const std::vector<Case> refusal_table = refusal_cases();
const std::vector<Case> counting_table = counting_cases();
const std::vector<Case> factorial_table = factorial_cases();
const std::vector<Case> member_table = member_cases();
const std::vector<Run> probe_table = probe_runs();

}  // namespace

HARNESS_TABLE(LoopRefusals, refusal_table);
HARNESS_TABLE(LoopCounting, counting_table);
HARNESS_TABLE(LoopFactorials, factorial_table);
HARNESS_TABLE(LoopMembers, member_table);
HARNESS_PROBES(LoopProbes, probe_table);
