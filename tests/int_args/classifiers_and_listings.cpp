// Programs that classify an integer argument (parity, primality, sign, a
// threshold, FizzBuzz words) or list a series derived from it (counts,
// divisors, primes, bit patterns, tables).
#include <algorithm>
#include <string>
#include <vector>

#include "harness/harness.hpp"

using harness::Case;
using harness::Run;
using harness::with_name;

namespace {

// ---------------------------------------------------------------------------
// Argument-count refusals: each with its text, stream and status.

struct Refusal {
    const char* program;
    int args;             // the count accepted
    bool at_least;        // more are accepted too
    const char* text;     // "%s" is the invocation name
    bool on_stderr = false;
};

const Refusal refusals[] = {
    {"power_of_two_exponent", 2, false, "Usage: %s <base> <exponent>\n"},
    {"prime_claim_early_notice", 1, false, "Error: Expecting exactly one command-line argument.\n"},
    {"parity_prime_claim", 1, false, "Usage: %s [number]\n"},
    {"parity_then_tokens", 1, false, "Invalid number of arguments\n"},
    {"parity_stderr_usage", 1, true, "Please provide a number as an argument.\n", true},
    {"number_classifier_demo", 1, true, "Usage: %s <number>\n"},
    {"sign_report", 1, false, "Please provide an input using the following format: 'num'.\n"},
    {"hundred_threshold", 1, false, "Usage: %s input\n"},
    {"fizz_variant_sevens", 1, false, "Please provide an integer value as input."},
    {"parity_listing", 1, false, "Usage: %s integer\n"},
    {"even_odd_words", 1, false, "Usage: %s N\n"},
    {"and_table", 1, false, "Usage: program [number]\n"},
    {"nested_counters", 1, false, "Usage: %s [n]\n"},
    {"prime_trial_lines", 1, true, "Usage: %s NUM\n"},
    {"count_up_line", 1, false, "usage: %s integer\n"},
    {"binary_decimal_hex", 1, false, "Usage: %s <integer>\n"},
    {"binary_groups_of_seven", 1, false, "Usage: %s <integer>\n"},
    {"factor_lines_cse", 2, false, "Error: Invalid number of arguments\n"},
    {"pair_sums_descending", 1, false, "Usage: %s <input>\n"},
    {"grid_rows", 2, false, "Usage: %s input1 input2\n"},
    {"digit_operator_pattern", 1, false, "Usage: %s argument\n"},
    {"fixed_array_halving", 1, false, "Usage: %s <n>\n"},
};

std::vector<Case> refusal_cases() {
    std::vector<harness::CountRule> rules;
    for (const Refusal& r : refusals) {
        std::vector<int> refused = {r.args - 1};
        if (!r.at_least) refused.push_back(r.args + 1);
        rules.push_back({r.program, refused, r.text, 1, r.on_stderr});
    }
    return harness::count_refusals(rules);
}

std::string lines(const std::vector<std::string>& items) {
    std::string s;
    for (const auto& i : items) s += i + "\n";
    return s;
}

// ---------------------------------------------------------------------------
// Classifiers: worked examples, bounds and the extremes of int.

const std::vector<Case> classifier_table = {
    {.program = "power_of_two_exponent", .args = {"3", "0"}, .out = "3^0 is a power of two.\n"},
    {.program = "power_of_two_exponent", .args = {"3", "8"}, .out = "3^8 is a power of two.\n"},
    {.program = "power_of_two_exponent", .args = {"3", "1"}, .out = "3^1 is a power of two.\n"},
    {.program = "power_of_two_exponent", .args = {"3", "6"}, .out = "3^6 is not a power of two.\n"},
    {.program = "power_of_two_exponent", .args = {"3", "-4"}, .out = "3^-4 is not a power of two.\n"},
    {.program = "power_of_two_exponent", .args = {"x", "1073741824"}, .out = "0^1073741824 is a power of two.\n"},
    {.program = "prime_claim_early_notice", .args = {"9"}, .out = "The program has terminated early.\n", .status = 1,
     .note = "the early notice ends with status 1, flushed"},
    {.program = "prime_claim_early_notice", .args = {"7"}, .out = "The number 7 is prime.\n"},
    {.program = "prime_claim_early_notice", .args = {"2"}, .out = "The number 2 is prime.\n"},
    {.program = "prime_claim_early_notice", .args = {"3"}, .out = "The number 3 is prime.\n"},
    {.program = "prime_claim_early_notice", .args = {"1"}, .out = "The program has terminated early.\n", .status = 1},
    {.program = "prime_claim_early_notice", .args = {"-7"}, .out = "The program has terminated early.\n", .status = 1},
    {.program = "prime_claim_early_notice", .args = {"2147483647"}, .out = "The number 2147483647 is prime.\n",
     .note = "trial division near INT_MAX without overflow"},
    {.program = "prime_claim_early_notice", .args = {"2147395600"}, .out = "The program has terminated early.\n",
     .status = 1, .note = "46340 squared"},
    {.program = "prime_list_to_three", .args = {"99", "x"}, .out = "2 is prime.\n3 is prime.\n"},
    {.program = "parity_prime_claim", .args = {"0"}, .out = "Cannot divide by zero.\n", .status = 2},
    {.program = "parity_prime_claim", .args = {"-3"}, .out = "Number is odd.\nNumber is prime.\n"},
    {.program = "parity_prime_claim", .args = {"4294967300"}, .out = "Number is even.\nThe number is composite.\n"},
    {.program = "parity_then_tokens", .args = {",,12,34"}, .out = "0 is even\n./parity_then_tokens\n12\n"},
    {.program = "parity_then_tokens", .args = {"-3"}, .out = "-3 is odd\na\n-3\n", .argv0 = "a,b"},
    {.program = "parity_then_tokens", .args = {",,,"}, .out = "0 is even\n./parity_then_tokens\n\n",
     .note = "commas only: no token, an empty line"},
    {.program = "parity_stderr_usage", .args = {"-3", "4"}, .out = "-3 is odd.\n"},
    {.program = "number_classifier_demo", .args = {"7"}, .out = "7 is a natural number.\n"},
    {.program = "number_classifier_demo", .args = {"-2147483648", "1"}, .out = "-2147483648 is an integer.\n"},
    {.program = "sign_report", .args = {"5"}, .out = "Input: 5\n"},
    {.program = "sign_report", .args = {"-5"}, .out = "Input: -5 is negative.\n"},
    {.program = "sign_report", .args = {"abc"}, .out = "Invalid input. Please enter a positive integer.\n"},
    {.program = "hundred_threshold", .args = {"101"}, .out = "The number is greater than 100.\n"},
    {.program = "hundred_threshold", .args = {"100"}, .out = "The number is less than or equal to 100.\n"},
    {.program = "hundred_threshold", .args = {"4294967397"}, .out = "The number is greater than 100.\n",
     .note = "the argument read as by atoi: low 32 bits give 101"},
    {.program = "fizzbuzz_second", .args = {"x", "9"}, .out = "FizzBuzz\n"},
    {.program = "fizzbuzz_second", .args = {"x", "7"}, .out = "7\n"},
    {.program = "fizzbuzz_second", .args = {"x", "-10"}, .out = "Buzz\n"},
    {.program = "fizzbuzz_second", .out = "FizzBuzz\n", .note = "missing arguments count as 0"},
    {.program = "not_fizzbuzz_tail", .args = {"4"}, .out = "FizzBuzz\n"},
    {.program = "not_fizzbuzz_tail", .args = {"-1"}, .out = "Not FizzBuzz\n", .note = "remainder -1"},
    {.program = "not_fizzbuzz_tail", .args = {"5"}, .out = "Not FizzBuzz\n"},
    {.program = "not_fizzbuzz_tail", .args = {"x5"}, .out = "Invalid input\n", .status = 1},
    {.program = "not_fizzbuzz_tail", .out = "Invalid input\n", .status = 1, .note = "missing argument"},
    {.program = "digit_operator_pattern", .args = {"5"}, .out = "5 , * , * , * , * , "},
    {.program = "digit_operator_pattern", .args = {"150"}, .out = "1 , + , * , * , * , "},
    {.program = "digit_operator_pattern", .args = {"109"}, .out = "10 , * , + , * , * , "},
    {.program = "digit_operator_pattern", .args = {"1234"}, .out = "1 , + , * , * , * , "},
    {.program = "digit_operator_pattern", .args = {"-7"}, .out = "-7 , * , * , * , * , "},
    {.program = "loop_until_stop", .args = {"stop"}, .out = "Loop stopped.\n"},
    {.program = "loop_until_stop", .args = {"101"}, .out = "Input: 101\n"},
    {.program = "loop_until_stop", .args = {"2"}, .out = "Input: 2\nLooping...\nLooping...\n",
     .note = "ends after one round"},
    {.program = "loop_until_stop", .args = {"Stop"}, .out = "Input: 0\n"},
    {.program = "loop_until_stop", .out = "Input: 0\n", .note = "missing argument"},
};

// ---------------------------------------------------------------------------
// Listings.

std::string bits_lines(const char* msb_first) {
    std::string s;
    for (const char* p = msb_first; *p; p++) s += std::string(1, *p) + "\n";
    return s;
}

const std::vector<Case> listing_table = {
    {.program = "fizz_variant_sevens", .args = {"7"}, .out = lines({"1", "2", "FizzBuzz", "4", "Buzz", "FizzBuzz", "Fizz"})},
    {.program = "fizz_variant_sevens", .args = {"-1"}},
    {.program = "fizzbuzz_basic", .args = {"15"},
     .out = lines({"1", "2", "Fizz", "4", "Buzz", "Fizz", "7", "8", "Fizz", "Buzz", "11", "Fizz", "13", "14", "Fizz"})},
    {.program = "fizzbuzz_basic", .note = "missing argument counts as 0"},
    {.program = "parity_listing", .args = {"3"}, .out = "The number you entered is: 3\nEven number 0\nOdd number 1\nEven number 2\n"},
    {.program = "parity_listing", .args = {"0"}, .out = "The number you entered is: 0\n"},
    {.program = "parity_listing", .args = {"-1"}, .out = "Invalid input. Please enter a positive integer.\n", .status = 1},
    {.program = "even_odd_words", .args = {"3"}, .out = "Even\nOdd\nEven\n"},
    {.program = "and_table", .args = {"3"}, .out = "0\t0\t0\t\n0\t1\t0\t\n0\t0\t2\t\n"},
    {.program = "and_table", .args = {"-2"}},
    {.program = "nested_counters", .args = {"2"}, .out = "i: 0\nj: 0\ni: 1\nj: 0\nj: 1\n"},
    {.program = "divisor_lines", .args = {"12"},
     .out = lines({"12 is divisible by 2", "12 is divisible by 3", "12 is divisible by 4", "12 is divisible by 6",
                   "12 is divisible by 12"})},
    {.program = "divisor_lines", .args = {"0"}, .out = "Error: Input must be a positive integer\n", .status = 1},
    {.program = "divisor_lines", .out = "Error: Input must be a positive integer\n", .status = 1, .note = "missing"},
    {.program = "prime_trial_lines", .args = {"4", "9"},
     .out = "4 is not a prime number.\n4 is a prime number.\n4 is not a prime number.\n"},
    {.program = "prime_trial_lines", .args = {"1"}},
    {.program = "primes_up_to_second", .args = {"x", "20"}, .out = lines({"2", "3", "5", "7", "11", "13", "17", "19"})},
    {.program = "primes_up_to_second", .args = {"50", "1"}},
    {.program = "primes_up_to_second", .note = "missing arguments count as 0"},
    {.program = "input_then_count", .args = {"3"}, .out = "Input: 3\n0\n1\n2\n"},
    {.program = "input_then_count", .args = {"-4"}, .out = "Input: -4\n"},
    {.program = "input_then_count", .out = "Input: 0\n", .note = "missing argument"},
    {.program = "count_up_line", .args = {"3"}, .out = "0 1 2 \n"},
    {.program = "count_up_line", .args = {"0"}, .out = "\n"},
    {.program = "countdown_line", .args = {"3"}, .out = "Input is a valid integer:\n3 2 1 \n"},
    {.program = "countdown_line", .args = {"-2"}, .out = "Input is a valid integer:\n\n"},
    {.program = "countdown_line", .args = {""}, .err = "Error: no input provided.\n", .status = 1},
    {.program = "countdown_line", .err = "Error: no input provided.\n", .status = 1, .note = "missing argument"},
    {.program = "countdown_line", .args = {"abc"}, .err = "Input is not a valid integer.\n", .status = 1},
    {.program = "countdown_line", .args = {" "}, .err = "Input is not a valid integer.\n", .status = 1},
    {.program = "binary_digits_lines", .args = {"6"},
     .out = "Binary representation of 6: " + bits_lines("00000000000000000000000000000110") +
            "\nConverted back to decimal: 011\n"},
    {.program = "binary_digits_lines", .args = {"-2147483648"},
     .out = "Binary representation of -2147483648: " + bits_lines("10000000000000000000000000000000") +
            "\nConverted back to decimal: \n"},
    {.program = "binary_digits_lines", .args = {"2147483647"},
     .out = "Binary representation of 2147483647: " + bits_lines("01111111111111111111111111111111") +
            "\nConverted back to decimal: " + std::string(31, '1') + "\n"},
    {.program = "binary_decimal_hex", .args = {"5"},
     .out = "Binary: 101" + std::string(29, '0') + "\nDecimal: 5\nHexadecimal: 5"},
    {.program = "binary_decimal_hex", .args = {"-1"},
     .out = "Binary: " + std::string(32, '1') + "\nDecimal: -1\nHexadecimal: FFFFFFFF"},
    {.program = "binary_groups_of_seven", .args = {"5"},
     .out = "Binary representation: \n0000000\n0000000\n0000000\n0000101"},
    {.program = "binary_groups_of_seven", .args = {"-2"},
     .out = "Binary representation: \n1111111\n1111111\n1111111\n1111110", .note = "arithmetic shift"},
    {.program = "ratio_lines", .args = {"5"}, .out = "1\n2\n5\n-2147483648\n", .note = "i = n divides by zero"},
    {.program = "ratio_lines", .args = {"1"}},
    {.program = "factor_lines_cse", .args = {"12", "5"},
     .out = "1 is a factor of 12\n2 is a factor of 12\n3 is a factor of 12\n4 is a factor of 12\n"
            "Common subexpression elimination optimization complete.\n"},
    {.program = "factor_lines_cse", .args = {"12", "0"}, .out = "Common subexpression elimination optimization complete.\n"},
    {.program = "pair_sums_descending", .args = {"3"}, .out = "3 + 2 = 5\n3 + 1 = 4\n"},
    {.program = "pair_sums_descending", .args = {"-1"}, .out = "Error: input must be positive.\n", .status = 2},
    {.program = "grid_rows", .args = {"2", "3"}, .out = "0 1 2 \n\n3 4 5 \n\n"},
    {.program = "grid_rows", .args = {"2", "0"}, .out = "\n\n\n\n"},
    {.program = "sccp_char_echo", .args = {"3", "ab", "+c"}, .out = "sccp_3\na" "sccp_+\n"},
    {.program = "sccp_char_echo", .args = {"9", "Zed"}, .out = "sccp_9\nZ", .note = "n past the last argument"},
    {.program = "sccp_char_echo", .args = {"2", ""}, .out = std::string("sccp_2\nsccp_\0\n", 14)},
    {.program = "sccp_char_echo", .args = {"0"}},
    {.program = "sccp_char_echo", .note = "no arguments"},
    {.program = "fixed_array_halving", .args = {"1"}, .out = "1\nSum: 0\n"},
    {.program = "fixed_array_halving", .args = {"4"}, .out = "1\n2\n3\n4\nSum: 11\n"},
    {.program = "fixed_array_halving", .args = {"7"}, .out = "1\n2\n3\n4\n5\n0\n0\nSum: 9\n",
     .note = "entries past the list read as 0"},
    {.program = "fixed_array_halving", .args = {"-3"}, .out = "Sum: 0\n"},
};

// ---------------------------------------------------------------------------
// Extreme texts: every program ends normally. Listings loop up to n, so they
// get only the texts whose value ends them quickly.

std::vector<Run> probe_runs() {
    const std::vector<std::string> quick = {"-2147483648", "99999999999999999999", "-99999999999999999999", "",
                                            std::string(10000, '7'), std::string(10000, 'x')};
    std::vector<Run> runs;
    for (const Refusal& r : refusals)
        for (const auto& t : quick) runs.push_back({.program = r.program, .args = std::vector<std::string>(r.args, t)});
    for (const char* p : {"fizzbuzz_basic", "fizzbuzz_second", "not_fizzbuzz_tail", "divisor_lines",
                          "primes_up_to_second", "input_then_count", "countdown_line", "binary_digits_lines",
                          "ratio_lines", "loop_until_stop", "sccp_char_echo", "prime_list_to_three"}) {
        runs.push_back({.program = p});
        for (const auto& t : quick) runs.push_back({.program = p, .args = {t, t}});
    }
    for (const char* p : {"power_of_two_exponent", "prime_claim_early_notice", "parity_prime_claim",
                          "parity_then_tokens", "number_classifier_demo", "sign_report", "hundred_threshold",
                          "binary_decimal_hex", "binary_groups_of_seven", "digit_operator_pattern",
                          "fizzbuzz_second", "not_fizzbuzz_tail", "binary_digits_lines", "loop_until_stop",
                          "factor_lines_cse", "fixed_array_halving"})
        runs.push_back({.program = p, .args = {"2147483647", "-2147483648"}});
    runs.push_back({.program = "parity_then_tokens", .args = {std::string(10000, ',')}, .argv0 = std::string(10000, ',')});
    return runs;
}

const std::vector<Case> refusal_table = refusal_cases();
const std::vector<Run> probe_table = probe_runs();

}  // namespace

HARNESS_TABLE(ClassifierListingRefusals, refusal_table);
HARNESS_TABLE(Classifiers, classifier_table);
HARNESS_TABLE(Listings, listing_table);
HARNESS_PROBES(ClassifierListingProbes, probe_table);

// n = 2^24 + 2: at i = n - 1 the float of i is 2^24, so the line before the
// last shows 2^24 + 1, not i + 1. The 16777217 lines are checked by their
// count and their end.
PROGRAM_TEST(RatioLines, FloatDropsTheLowestBit, "ratio_lines") {
    harness::Outcome o = harness::run({.program = "ratio_lines", .args = {"16777218"}});
    ASSERT_EQ(o.status, 0) << o.describe();
    EXPECT_EQ(o.err, "");
    EXPECT_EQ(std::count(o.out.begin(), o.out.end(), '\n'), 16777217);
    const std::string tail = "\n8388609\n16777217\n-2147483648\n";
    ASSERT_GE(o.out.size(), tail.size());
    EXPECT_EQ(o.out.substr(o.out.size() - tail.size()), tail);
}
