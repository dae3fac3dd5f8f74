// Programs that answer fixed keywords given as arguments (or as their
// invocation name), and programs that read the clock, sleep or draw
// pseudo-random numbers.
#include <chrono>
#include <cstdio>
#include <regex>

#include "harness/harness.hpp"

using harness::Case;

namespace {

const std::string long_arg = harness::repeat("x", 10000);
const std::string int_min = "-2147483648";
const std::string huge = "99999999999999999999";

std::string lines(size_t n) { return std::string(n, '\n'); }

// v as "%.2f" prints it.
std::string two_decimals(double v) {
    char text[400];
    snprintf(text, sizeof text, "%.2f", v);
    return text;
}

std::vector<Case> keyword_cases() {
    const std::string pair_usage = "Usage: ./string_pair_equality string1 string2\n";
    const std::string hello_usage = "Usage: ./hello_substring_search string\n";
    const std::string rounding_usage = "Usage: ./clang_name_rounding <number>\n";
    const std::string bash_usage = "Usage: ./bash_keyword_echo input\n";
    const std::string not_clang = "Sorry, your program has not passed static analysis by Clang yet.\n";
    const std::string is_clang = "Your program has passed static analysis by Clang.\n";
    const std::string help_refusal = "Invalid input. Please provide only one argument.";
    const std::string sentence_refusal = "Invalid input. Please enter two strings to compare.\n";
    const std::string weekday_refusal = "Error: please provide 4 arguments.\n";
    const std::string hours = "Vosk worked 8 hours this week\n";

    return {
        {.program = "string_pair_equality", .out = pair_usage, .status = 1},
        {.program = "string_pair_equality", .args = {"a"}, .out = pair_usage, .status = 1},
        {.program = "string_pair_equality", .args = {"a", "a", "a"}, .out = pair_usage, .status = 1},
        {.program = "string_pair_equality", .out = "Usage: /opt/spe string1 string2\n", .status = 1,
         .argv0 = "/opt/spe"},
        {.program = "string_pair_equality", .args = {"same", "same"}, .out = "The two strings are equal.\n"},
        {.program = "string_pair_equality", .args = {"Same", "same"}, .out = "The two strings are not equal.\n"},
        {.program = "string_pair_equality", .args = {"abc", "abcd"}, .out = "The two strings are not equal.\n"},
        {.program = "string_pair_equality", .args = {"", ""}, .out = "The two strings are equal.\n"},
        {.program = "string_pair_equality", .args = {long_arg, long_arg}, .out = "The two strings are equal.\n"},
        {.program = "string_pair_equality", .args = {long_arg, long_arg + "y"},
         .out = "The two strings are not equal.\n"},

        // One empty line per slot matching argument 1 over 80 bytes; unused
        // slots are empty and match only an empty argument 1.
        {.program = "slot_table_match", .note = "no arguments: nothing to match"},
        {.program = "slot_table_match", .args = {"a"}, .out = lines(1)},
        {.program = "slot_table_match", .args = {"a", "b", "a", "A"}, .out = lines(2)},
        {.program = "slot_table_match", .args = {""}, .out = lines(256), .note = "every cleared slot matches"},
        {.program = "slot_table_match", .args = {"", "x", ""}, .out = lines(255)},
        {.program = "slot_table_match", .args = {std::string(80, 'x') + "A", std::string(80, 'x') + "B"},
         .out = lines(2), .note = "only 80 bytes compared"},
        {.program = "slot_table_match", .args = {std::string(79, 'x') + "A", std::string(79, 'x') + "B"},
         .out = lines(1), .note = "the 80th byte differs"},
        {.program = "slot_table_match", .args = {std::string(79, 'x'), std::string(80, 'x')}, .out = lines(1)},
        {.program = "slot_table_match", .args = std::vector<std::string>(300, "a"), .out = lines(256),
         .note = "arguments beyond the 256 slots are not stored"},
        {.program = "slot_table_match", .args = {long_arg, long_arg}, .out = lines(2)},

        {.program = "weekday_hours_report", .out = weekday_refusal, .status = 1},
        {.program = "weekday_hours_report", .args = {"a", "b", "c"}, .out = weekday_refusal, .status = 1},
        {.program = "weekday_hours_report", .args = {"a", "b", "c", "Monday", "e"}, .out = weekday_refusal,
         .status = 1},
        {.program = "weekday_hours_report", .args = {"a", "b", "c", "Saturday"}, .out = hours},
        {.program = "weekday_hours_report", .args = {"a", "b", "c", "Friday"}, .out = hours},
        {.program = "weekday_hours_report", .args = {"a", "b", "c", "Funday"}, .out = hours},
        {.program = "weekday_hours_report", .args = {"", "", "", ""}, .out = hours},

        {.program = "hello_substring_search", .out = hello_usage, .status = 1},
        {.program = "hello_substring_search", .args = {"hello", "x"}, .out = hello_usage, .status = 1},
        {.program = "hello_substring_search", .args = {"say hello there"}, .out = "String 'hello' found in input.\n"},
        {.program = "hello_substring_search", .args = {"hello"}, .out = "String 'hello' found in input.\n"},
        {.program = "hello_substring_search", .args = {"Hello"}, .out = "String 'hello' not found in input.\n"},
        {.program = "hello_substring_search", .args = {"hell"}, .out = "String 'hello' not found in input.\n"},
        {.program = "hello_substring_search", .args = {""}, .out = "String 'hello' not found in input.\n"},
        {.program = "hello_substring_search", .args = {std::string(250, 'x') + "hello"},
         .out = "String 'hello' found in input.\n", .note = "255 bytes: fits the buffer"},
        {.program = "hello_substring_search", .args = {std::string(251, 'x') + "hello"},
         .out = "String 'hello' not found in input.\n", .note = "256 bytes: the last byte is not kept"},
        {.program = "hello_substring_search", .args = {"hello" + long_arg}, .out = "String 'hello' found in input.\n"},
        {.program = "hello_substring_search", .args = {long_arg + "hello"},
         .out = "String 'hello' not found in input.\n"},

        {.program = "clang_flag_promotion", .out = "Invalid input.\n", .status = 1},
        {.program = "clang_flag_promotion", .args = {"--clang", "-"}, .out = "Invalid input.\n", .status = 1},
        {.program = "clang_flag_promotion", .args = {"--clang"},
         .out = "Performing static analysis...\nMemory-to-register promotion: Hello, world!\n"},
        {.program = "clang_flag_promotion", .args = {"-"}, .out = "Performing no optimization...\n"},
        {.program = "clang_flag_promotion", .args = {"--gcc"}},
        {.program = "clang_flag_promotion", .args = {"--clang "}},
        {.program = "clang_flag_promotion", .args = {"--"}},
        {.program = "clang_flag_promotion", .args = {""}},

        {.program = "help_debug_flags", .out = help_refusal, .status = 1, .note = "no newline"},
        {.program = "help_debug_flags", .args = {"-h", "--debug"}, .out = help_refusal, .status = 1},
        {.program = "help_debug_flags", .args = {"-h"}, .out = "Hello World!\nArguments: (null)\n"},
        {.program = "help_debug_flags", .args = {"--help"}, .out = "Hello World!\nArguments: (null)\n"},
        {.program = "help_debug_flags", .args = {"--debug"}, .out = "Hello World!\nDebug mode enabled.\n"},
        {.program = "help_debug_flags", .args = {"-x"}, .out = "Hello World!\nInvalid argument: -x\n", .status = 1},
        {.program = "help_debug_flags", .args = {"--HELP"}, .out = "Hello World!\nInvalid argument: --HELP\n",
         .status = 1},
        {.program = "help_debug_flags", .args = {""}, .out = "Hello World!\nInvalid argument: \n", .status = 1},

        {.program = "clang_name_rounding", .out = rounding_usage, .status = 1},
        {.program = "clang_name_rounding", .args = {"1", "2"}, .out = rounding_usage, .status = 1},
        {.program = "clang_name_rounding", .out = "Usage: clang <number>\n", .status = 1, .argv0 = "clang"},
        {.program = "clang_name_rounding", .args = {"2.5"}, .out = not_clang + "Result: 3\n"},
        {.program = "clang_name_rounding", .args = {"-2.5"}, .out = not_clang + "Result: -2\n"},
        {.program = "clang_name_rounding", .args = {"2.4"}, .out = is_clang + "Result: 2\n", .argv0 = "clang"},
        {.program = "clang_name_rounding", .args = {"1"}, .out = not_clang + "Result: 1\n", .argv0 = "./clang"},
        {.program = "clang_name_rounding", .args = {"1"}, .out = not_clang + "Result: 1\n", .argv0 = "clang++"},
        {.program = "clang_name_rounding", .args = {"1"}, .out = not_clang + "Result: 1\n", .argv0 = "Clang"},
        {.program = "clang_name_rounding", .args = {"abc"}, .out = not_clang + "Result: 0\n"},
        {.program = "clang_name_rounding", .args = {""}, .out = not_clang + "Result: 0\n"},
        {.program = "clang_name_rounding", .args = {"0x10"}, .out = not_clang + "Result: 16\n"},
        {.program = "clang_name_rounding", .args = {"2147483646.5"}, .out = not_clang + "Result: 2147483647\n"},
        {.program = "clang_name_rounding", .args = {"0.49999999999999994"}, .out = not_clang + "Result: 1\n",
         .note = "the largest double below 0.5, plus 0.5, rounds to 1 as a double"},
        {.program = "clang_name_rounding", .args = {"2147483647.5"}, .out = not_clang + "Result: -2147483648\n",
         .note = "beyond int: INT_MIN"},
        {.program = "clang_name_rounding", .args = {"-2147483648.9"}, .out = not_clang + "Result: -2147483648\n"},
        {.program = "clang_name_rounding", .args = {huge}, .out = not_clang + "Result: -2147483648\n"},
        {.program = "clang_name_rounding", .args = {"-1e300"}, .out = not_clang + "Result: -2147483648\n"},
        {.program = "clang_name_rounding", .args = {"nan"}, .out = not_clang + "Result: -2147483648\n"},
        {.program = "clang_name_rounding", .args = {"inf"}, .out = not_clang + "Result: -2147483648\n"},

        {.program = "argument_palindrome_check", .args = {"abca"}, .out = "abca is not a palindrome\n", .status = 1},
        {.program = "argument_palindrome_check", .args = {"ab"}, .out = "ab is not a palindrome\n", .status = 1},
        {.program = "argument_palindrome_check", .args = {"Abba"}, .out = "Abba is not a palindrome\n",
         .status = 1},
        {.program = "argument_palindrome_check", .args = {"abba"}, .out = "abba is a palindrome\n"},
        {.program = "argument_palindrome_check", .args = {"racecar"}, .out = "racecar is a palindrome\n"},
        {.program = "argument_palindrome_check", .args = {"a"}, .out = "a is a palindrome\n"},
        {.program = "argument_palindrome_check", .args = {""}, .out = " is a palindrome\n"},
        {.program = "argument_palindrome_check", .out = " is a palindrome\n", .note = "missing: the empty text"},
        {.program = "argument_palindrome_check", .args = {"aba", "xy"}, .out = "aba is a palindrome\n"},
        {.program = "argument_palindrome_check", .args = {long_arg}, .out = long_arg + " is a palindrome\n"},
        {.program = "argument_palindrome_check", .args = {std::string(5000, 'x') + "y" + std::string(4999, 'x')},
         .out = std::string(5000, 'x') + "y" + std::string(4999, 'x') + " is not a palindrome\n", .status = 1,
         .note = "differs at the middle pair"},

        {.program = "w_flag_positive_echo", .out = "Invalid input!\n"},
        {.program = "w_flag_positive_echo", .args = {"-w"}, .out = "Invalid input!\n"},
        {.program = "w_flag_positive_echo", .args = {"text"}, .out = "Invalid input!\n"},
        {.program = "w_flag_positive_echo", .args = {"-w", "5"}, .out = "The input is: -w\n"},
        {.program = "w_flag_positive_echo", .args = {"text", "1"}, .out = "The input is: text\n"},
        {.program = "w_flag_positive_echo", .args = {"text", " 7z"}, .out = "The input is: text\n"},
        {.program = "w_flag_positive_echo", .args = {"text", "3", "extra"}, .out = "The input is: text\n"},
        {.program = "w_flag_positive_echo", .args = {"", "5"}, .out = "Invalid input!\n"},
        {.program = "w_flag_positive_echo", .args = {"text", "0"}, .out = "Invalid input!\n"},
        {.program = "w_flag_positive_echo", .args = {"text", "-3"}, .out = "Invalid input!\n"},
        {.program = "w_flag_positive_echo", .args = {"text", "abc"}, .out = "Invalid input!\n"},
        {.program = "w_flag_positive_echo", .args = {"text", ""}, .out = "Invalid input!\n"},
        {.program = "w_flag_positive_echo", .args = {"text", "2147483647"}, .out = "The input is: text\n"},
        {.program = "w_flag_positive_echo", .args = {"text", "2147483648"}, .out = "Invalid input!\n",
         .note = "wraps to INT_MIN"},
        {.program = "w_flag_positive_echo", .args = {"text", "4294967297"}, .out = "The input is: text\n",
         .note = "wraps to 1"},
        {.program = "w_flag_positive_echo", .args = {"text", int_min}, .out = "Invalid input!\n"},
        {.program = "w_flag_positive_echo", .args = {"text", huge}, .out = "Invalid input!\n"},
        {.program = "w_flag_positive_echo", .args = {long_arg, "1"}, .out = "The input is: " + long_arg + "\n"},

        {.program = "bash_keyword_echo", .out = bash_usage, .status = 1},
        {.program = "bash_keyword_echo", .args = {"BASH", "BASH"}, .out = bash_usage, .status = 1},
        {.program = "bash_keyword_echo", .args = {"BASH"}, .out = "The input is 'BASH'\nThe input is BASH\n"},
        {.program = "bash_keyword_echo", .args = {"bash"}, .out = "The input is 'bash'\n"},
        {.program = "bash_keyword_echo", .args = {"BASH "}, .out = "The input is 'BASH '\n"},
        {.program = "bash_keyword_echo", .args = {"B"}, .out = "The input is 'B'\n"},
        {.program = "bash_keyword_echo", .args = {""}, .out = "The input is ''\n"},
        {.program = "bash_keyword_echo", .args = {"%s%d"}, .out = "The input is '%s%d'\n"},

        {.program = "fixed_sentence_compare", .out = sentence_refusal, .status = 1},
        {.program = "fixed_sentence_compare", .args = {"This is a test", "x"}, .out = sentence_refusal, .status = 1},
        {.program = "fixed_sentence_compare", .args = {"This is a test"}, .out = "The strings are the same\n"},
        {.program = "fixed_sentence_compare", .args = {"This is a test, really"},
         .out = "The strings are the same\n"},
        {.program = "fixed_sentence_compare", .args = {"This is a tes"}, .out = "The strings are different\n"},
        {.program = "fixed_sentence_compare", .args = {"this is a test"}, .out = "The strings are different\n"},
        {.program = "fixed_sentence_compare", .args = {"This is a tesT"}, .out = "The strings are different\n"},
        {.program = "fixed_sentence_compare", .args = {""}, .out = "The strings are different\n"},
        {.program = "fixed_sentence_compare", .args = {"This is a test" + long_arg},
         .out = "The strings are the same\n"},
    };
}

// Refusals and the runs of the service programs that neither sleep nor print
// a clock or random value.
std::vector<Case> service_cases() {
    const std::string burn_refusal = "Error: incorrect number of arguments\n";
    const std::string loop_usage = "Usage: ./hello_sleep_loop <num>\n";
    const std::string sleep_usage = "Usage: ./sleep_seconds [delay]\n";
    return {
        {.program = "rand_burn_timer", .out = burn_refusal, .status = 1},
        {.program = "rand_burn_timer", .args = {"1", "2"}, .out = burn_refusal, .status = 1},

        {.program = "hello_sleep_loop", .out = loop_usage, .status = 1},
        {.program = "hello_sleep_loop", .args = {"1", "1"}, .out = loop_usage, .status = 1},
        {.program = "hello_sleep_loop", .out = "Usage: hsl <num>\n", .status = 1, .argv0 = "hsl"},
        {.program = "hello_sleep_loop", .args = {"0"}},
        {.program = "hello_sleep_loop", .args = {"-1"}},
        {.program = "hello_sleep_loop", .args = {int_min}},
        {.program = "hello_sleep_loop", .args = {"abc"}},
        {.program = "hello_sleep_loop", .args = {""}},
        {.program = "hello_sleep_loop", .args = {"4294967296"}, .note = "wraps to 0"},
        {.program = "hello_sleep_loop", .args = {huge}, .note = "wraps to -1"},

        {.program = "sleep_seconds", .out = sleep_usage, .status = 1},
        {.program = "sleep_seconds", .args = {"1", "1"}, .out = sleep_usage, .status = 1},
        {.program = "sleep_seconds", .out = "Usage: /x/ss [delay]\n", .status = 1, .argv0 = "/x/ss"},
    };
}

const std::vector<Case> keyword_table = keyword_cases();
const std::vector<Case> service_table = service_cases();

double seconds_since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Runs `program` with `args` and a short time limit.
harness::Outcome quick(const std::string& program, std::vector<std::string> args, double limit = 3) {
    return harness::run({.program = program, .args = std::move(args), .timeout_seconds = limit});
}

}  // namespace

// Clock, sleep and random-number programs.
HARNESS_LABELS(timed_argument_sum, timing nondeterministic)
HARNESS_LABELS(rand_burn_timer, timing nondeterministic)
HARNESS_LABELS(unseeded_random_digit, nondeterministic)
HARNESS_LABELS(hello_sleep_loop, timing)
HARNESS_LABELS(sleep_seconds, timing slow)

HARNESS_TABLE(KeywordDispatchers, keyword_table);
HARNESS_TABLE(ServiceRefusals, service_table);

PROGRAM_TEST(TimedArgumentSum, SumsAtMostNineArguments, "timed_argument_sum") {
    struct Row {
        std::vector<std::string> args;
        std::string sum, result;
    };
    const Row rows[] = {
        {{}, "0.00", "0.000000"},
        {{"1", "2", "3"}, "6.00", "30.000000"},
        {std::vector<std::string>(12, "1"), "9.00", "45.000000"},  // the 10th to 12th are not added
        {{"-1.5", "abc", "", "0.25x"}, "-1.25", "-6.250000"},
        {{"1e308", "1e308"}, "inf", "inf"},
        {{"3e307"}, two_decimals(3e307), "inf"},  // 10 times the sum overflows to inf as a double
        {{long_arg, huge}, "100000000000000000000.00", "500000000000000000000.000000"},
    };
    for (const Row& row : rows) {
        harness::Outcome o = quick("timed_argument_sum", row.args);
        EXPECT_EQ(o.status, 0) << o.describe();
        EXPECT_EQ(o.err, "");
        std::string want_first = "The sum is " + row.sum + "\n";
        std::string want_last = "Optimized result: " + row.result + "\n";
        ASSERT_EQ(o.out.compare(0, want_first.size(), want_first), 0) << harness::escape(o.out);
        ASSERT_GE(o.out.size(), want_first.size() + want_last.size());
        EXPECT_EQ(o.out.substr(o.out.size() - want_last.size()), want_last) << harness::escape(o.out);
        std::string middle = o.out.substr(want_first.size(), o.out.size() - want_first.size() - want_last.size());
        std::smatch m;
        ASSERT_TRUE(std::regex_match(middle, m, std::regex("Time taken: ([0-9]+\\.[0-9]{6})s\n")))
            << harness::escape(middle);
        double taken = std::stod(m[1]);
        EXPECT_GE(taken, 0.0);
        EXPECT_LT(taken, 0.5) << "two readings in a row";
    }
}

PROGRAM_TEST(RandBurnTimer, ReportsWholeSeconds, "rand_burn_timer") {
    const std::regex line("Elapsed time: ([0-9]+)\\.000000 seconds\n");
    for (const std::string& n : std::vector<std::string>{"0", "1000", "-5", "", "abc", int_min, huge, "4294967296"}) {
        harness::Outcome o = quick("rand_burn_timer", {n});
        EXPECT_EQ(o.status, 0) << n << ": " << o.describe();
        EXPECT_EQ(o.err, "");
        std::smatch m;
        ASSERT_TRUE(std::regex_match(o.out, m, line)) << n << ": " << harness::escape(o.out);
        EXPECT_LE(std::stoi(m[1]), 1) << n;
    }
}

PROGRAM_TEST(UnseededRandomDigit, SameValueFromOneToTenOnEveryRun, "unseeded_random_digit") {
    const std::regex line("Random Number: ([0-9]+)\n");
    std::string first;
    for (std::vector<std::string> args : {std::vector<std::string>{}, {"5"}, {huge}, {"abc", "x"}, {""}}) {
        harness::Outcome o = quick("unseeded_random_digit", args);
        EXPECT_EQ(o.status, 0) << o.describe();
        EXPECT_EQ(o.err, "");
        std::smatch m;
        ASSERT_TRUE(std::regex_match(o.out, m, line)) << harness::escape(o.out);
        int value = std::stoi(m[1]);
        EXPECT_GE(value, 1);
        EXPECT_LE(value, 10);
        if (first.empty()) first = o.out;
        EXPECT_EQ(o.out, first) << "the unseeded generator gives the same number";
    }
}

PROGRAM_TEST(HelloSleepLoop, GreetsThenPausesASecond, "hello_sleep_loop") {
    auto start = std::chrono::steady_clock::now();
    harness::Outcome o = quick("hello_sleep_loop", {"1"});
    double took = seconds_since(start);
    EXPECT_EQ(o.status, 0) << o.describe();
    EXPECT_EQ(o.out, "Hello, world!\n");
    EXPECT_EQ(o.err, "");
    EXPECT_GE(took, 0.95);
}

PROGRAM_TEST(SleepSeconds, SleepsTheGivenSeconds, "sleep_seconds") {
    auto start = std::chrono::steady_clock::now();
    harness::Outcome o = quick("sleep_seconds", {"1"});
    double took = seconds_since(start);
    EXPECT_EQ(o.status, 0) << o.describe();
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(o.err, "");
    EXPECT_GE(took, 0.95);
}

PROGRAM_TEST(SleepSeconds, NegativeAndNonNumericCountsDoNotSleep, "sleep_seconds") {
    // A negative count must not turn into a sleep of billions of seconds.
    const std::vector<std::string> delays = {"0", "-1", "-4294967295", "", "abc", int_min, "-" + huge};
    for (const std::string& delay : delays) {
        auto start = std::chrono::steady_clock::now();
        harness::Outcome o = quick("sleep_seconds", {delay});
        EXPECT_FALSE(o.timed_out) << delay;
        EXPECT_EQ(o.status, 0) << delay << ": " << o.describe();
        EXPECT_EQ(o.out, "");
        EXPECT_EQ(o.err, "");
        EXPECT_LT(seconds_since(start), 0.9) << delay;
    }
}

PROGRAM_TEST(SleepSeconds, LargeCountsKeepTheirLow32Bits, "sleep_seconds") {
    // 2^32 seconds is a count of 0 for sleep, 2^32 + 1 a count of 1 second;
    // 2^32 - 1 is a real sleep of about 136 years.
    auto start = std::chrono::steady_clock::now();
    harness::Outcome o = quick("sleep_seconds", {"4294967296"});
    EXPECT_EQ(o.status, 0) << o.describe();
    EXPECT_LT(seconds_since(start), 0.9);
    start = std::chrono::steady_clock::now();
    o = quick("sleep_seconds", {"4294967297"});
    EXPECT_EQ(o.status, 0) << o.describe();
    EXPECT_GE(seconds_since(start), 0.95);
    EXPECT_TRUE(quick("sleep_seconds", {"4294967295"}, 0.4).timed_out);
}
