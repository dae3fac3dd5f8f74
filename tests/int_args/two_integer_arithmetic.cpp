// Programs that convert two (some three or four) arguments to integers and
// print a sum, difference, product, quotient, comparison, bitwise combination
// or small formula of them, wrapping at 32 bits; about half refuse a wrong
// count with their own text first.
#include <climits>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <functional>

#include "harness/harness.hpp"

using harness::Case;
using harness::with_name;

namespace {

// printf into a string, for expected lines built from computed values.
[[gnu::format(printf, 1, 2)]] std::string fmt(const char* format, ...) {
    char line[512];
    va_list ap;
    va_start(ap, format);
    vsnprintf(line, sizeof line, format, ap);
    va_end(ap);
    return line;
}

// 32-bit wrapping arithmetic, done on the bit patterns.
int add(int a, int b) { return static_cast<int>(uint32_t(a) + uint32_t(b)); }
int sub(int a, int b) { return static_cast<int>(uint32_t(a) - uint32_t(b)); }
int mul(int a, int b) { return static_cast<int>(uint32_t(a) * uint32_t(b)); }
int quot(int a, int b) { return static_cast<int>(static_cast<uint32_t>(int64_t{a} / b)); }

// ---------------------------------------------------------------------------
// Refusals of a wrong argument count: none, one short and one too many.

struct Checked {
    const char* program;
    int count;
    const char* refusal;  // "%s" stands for the invocation name
    bool on_stderr = false;
};

const Checked checked[] = {
    {"sum_with_texts", 2, "Usage: %s input output\n"},
    {"sum_program_name_usage", 2, "Usage: program_name input1 input2\n"},
    {"sum_error_argv", 2, "Error: Please provide two integers as input using argv.\n"},
    {"less_than_report", 3, "Usage: islessgreater [input1 input2]\n"},
    {"shifted_swap_report", 2, "Usage: %s x y\n"},
    {"feet_to_length_mark", 4,
     "Usage: %s <number of feet> <number of inches> <number of feet> <number of inches>\n"},
    {"sum_any_base", 2, "Usage: %s <num1> <num2>\n"},
    {"sum_dot_sum_usage", 2, "Usage: ./sum NUM1 NUM2\n"},
    {"sum_two_decimals", 2, "Usage: %s x y\n"},
    {"sum_two_args_usage", 2, "Usage: %s <num1> <num2>\n"},
    {"sum_stdout_stderr_usage", 2, "Usage: %s <num1> <num2>\n", true},
    {"sum_of_squares_usage", 2, "Usage: %s <input1> <input2>\n"},
    {"sum_x_y_usage", 2, "Usage: %s x y\n"},
    {"sum_is_x_y_usage", 2, "Usage: %s x y\n"},
    {"sum_error_no_newline", 2, "Error: Invalid input. Please enter two integer values."},
};

std::vector<Case> refusal_cases() {
    std::vector<harness::CountRule> rules;
    for (const Checked& c : checked)
        rules.push_back({c.program, {0, c.count - 1, c.count + 1}, c.refusal, 1, c.on_stderr});
    return harness::count_refusals(rules, "%s");
}

// ---------------------------------------------------------------------------
// Reports over argument pairs. Every pair is given with the ints its texts
// convert to in base 10 (atoi and strtol agree once strtol's long is cut to
// its low 32 bits).

struct Values {
    std::string ta, tb, tc;  // argument texts
    int a, b, c;             // their values
};

struct Pair {
    std::string ta;
    int a;
    std::string tb;
    int b;
};

const std::vector<Pair> pairs = {
    {"7", 7, "2", 2},
    {"-7", -7, "2", 2},
    {" \t+12abc", 12, "x", 0},                          // blanks and sign, trailing text, no number
    {"2147483647", INT_MAX, "1", 1},                     // sums wrap
    {"-2147483648", INT_MIN, "-1", -1},                  // INT_MIN / -1
    {"46341", 46341, "-3", -3},                          // squares wrap
    {"4294967301", 5, "99999999999999999999", -1},       // cut to 32 bits; saturated at LONG_MAX
    {std::string(10000, '9'), -1, "-99999999999999999999", 0},
};

using Report = std::function<std::string(const Values&)>;

struct Reporter {
    const char* program;
    Report report;
    bool checks_count = false;          // refuses a missing argument
    std::string tc;                     // third argument, if any
    int c = 0;                          // its value
    std::function<int(const Values&)> status = nullptr;
};

std::string sum_is(const Values& v) { return fmt("The sum of %d and %d is %d\n", v.a, v.b, add(v.a, v.b)); }
std::string sum_is_colon(const Values& v) { return fmt("The sum of %d and %d is: %d\n", v.a, v.b, add(v.a, v.b)); }
std::string the_sum_is(const Values& v) { return fmt("The sum is: %d\n", add(v.a, v.b)); }

const std::vector<Reporter> reporters = {
    {"four_ops_report",
     [](const Values& v) {
         return fmt("x + y = %d\nx - y = %d\nx * y = %d\n", add(v.a, v.b), sub(v.a, v.b), mul(v.a, v.b)) +
                (v.b == 0 ? "Error: division by zero\n" : fmt("x / y = %d\n", quot(v.a, v.b)));
     },
     false, "", 0, [](const Values& v) { return v.b == 0 ? 1 : 0; }},
    {"integer_quotient_double",
     [](const Values& v) {
         return v.b == 0 ? "Error: division by zero\n" : fmt("Result: %lf\n", double(quot(v.a, v.b)));
     },
     false, "", 0, [](const Values& v) { return v.b == 0 ? 1 : 0; }},
    {"even_odd_pair_check",
     [](const Values& v) {
         return v.a % 2 == 0 && v.b % 2 == 1 ? fmt("%d is an even number and %d is an odd number.\n", v.a, v.b)
                                             : "Both inputs must be even or both inputs must be odd.\n";
     }},
    {"sum_with_texts",
     [](const Values& v) {
         int s = add(v.a, v.b);
         return fmt("a + b = %d\n", s) + v.ta + " " + v.tb + " " + std::to_string(s) + "\n";
     },
     true},
    {"sum_program_name_usage", sum_is, true},
    {"sum_stdout_stderr_usage", sum_is, true},
    {"sum_x_y_usage", sum_is, true},
    {"sum_error_argv", sum_is_colon, true},
    {"less_than_report",
     [](const Values& v) {
         return v.a < v.b ? "Input 1 is less than input 2\n" : "Input 1 is greater than or equal to input 2\n";
     },
     true, "unused"},
    {"shifted_swap_report",
     [](const Values& v) {
         int p = v.a >> 2, q = v.b >> 2;
         int x = static_cast<int>(uint32_t((q & 255) | p) << 8);
         return fmt("After swapping: x = %d, y = %d\n", x, (x & 0xFFFF) | q);
     },
     true},
    {"add_operation_claim",
     [](const Values& v) {
         return v.tc == "add" ? sum_is(v) : "Invalid operation. Please enter either 'add' or 'subtract'.";
     },
     false, "add"},
    {"sum_any_base", [](const Values& v) { return fmt("The sum is: %lld\n", (long long)add(v.a, v.b)); }, true},
    {"sum_dot_sum_usage", [](const Values& v) { return fmt("The sum is %d\n", add(v.a, v.b)); }, true},
    {"sum_is_x_y_usage", [](const Values& v) { return fmt("The sum is %d\n", add(v.a, v.b)); }, true},
    {"sum_two_decimals",
     [](const Values& v) { return fmt("The sum of %d and %d is %.2f\n", v.a, v.b, double(add(v.a, v.b))); }, true},
    {"sum_two_args_usage", the_sum_is, true},
    {"sum_strtol_plain", the_sum_is},
    {"sum_strtol_plain_twin", the_sum_is},
    {"inches_feet_report",
     [](const Values& v) {
         int s = add(v.a, v.b);
         return fmt("The sum of %d and %d is %d inches, which is %.2f feet\n", v.a, v.b, s, double(float(s / 12)));
     }},
    {"sum_of_squares_usage",
     [](const Values& v) { return fmt("Sum of squares: %d\n", add(mul(v.a, v.a), mul(v.b, v.b))); }, true},
    {"greater_or_not_report",
     [](const Values& v) {
         return fmt(v.a > v.b ? "%d is greater than %d\n" : "%d is not greater than %d\n", v.a, v.b);
     }},
    {"greater_or_less_equal_report",
     [](const Values& v) {
         return fmt(v.a > v.b ? "%d is greater than %d\n" : "%d is less than or equal to %d\n", v.a, v.b);
     }},
    {"before_after_report",
     [](const Values& v) {
         return fmt("Before: %d + %d\nAfter: %d + (%d*2)\n", v.a, v.b, add(v.a, v.b), mul(v.b, 2));
     }},
    {"sum_error_no_newline", [](const Values& v) { return fmt("Sum: %d\n", add(v.a, v.b)); }, true},
    {"three_labels_abc", [](const Values& v) { return fmt("a=%d\nb=%d\nc=%d\n", v.a, v.b, v.c); }, false, "-3", -3},
    {"product_of_three",
     [](const Values& v) {
         return fmt("The product of %d, %d and %d is: %d\n", v.a, v.b, v.c, mul(mul(v.a, v.b), v.c));
     },
     false, "3", 3},
    {"bitwise_or_report",
     [](const Values& v) {
         return (v.a | v.b) ? fmt("The result is: %d\n", v.a | v.b)
                            : "Invalid input. Please enter two integer values.";
     }},
    {"i_j_labels", [](const Values& v) { return fmt("i: %d\nj: %d\n", v.a, v.b); }},
    {"sum_of_colon_report", [](const Values& v) { return fmt("Sum of %d and %d: %d\n", v.a, v.b, add(v.a, v.b)); }},
    {"sum_after_prompt",
     [](const Values& v) { return fmt("Enter two numbers: The sum of the numbers is %d\n", add(v.a, v.b)); }},
    {"sum_split_lines", [](const Values& v) { return fmt("Sum of %d and %d is: %d\n", v.a, v.b, add(v.a, v.b)); }},
    {"both_true_check",
     [](const Values& v) {
         return v.a && v.b ? "Both inputs are true.\n" : "At least one input is false.\n";
     }},
    {"two_number_sum_sentence",
     [](const Values& v) { return fmt("The sum of the two numbers is: %d\n", add(v.a, v.b)); }},
    {"linear_pair_report",
     [](const Values& v) {
         return fmt("x: %d, y: %d\n", add(v.a, mul(2, v.b)), add(mul(2, v.b), mul(3, v.a)));
     }},
    {"difference_report", [](const Values& v) { return fmt("%d\n", sub(v.a, v.b)); }},
    {"x_y_echo", [](const Values& v) { return fmt("x is %d and y is %d\n", v.a, v.b); }},
    {"offset_sum_report",
     [](const Values& v) {
         int a = add(v.a, 10), b = add(v.b, 20);
         return fmt("The sum of %d and %d is: %d\n", a, b, add(a, b));
     }},
    {"first_of_two_echo", [](const Values& v) { return fmt("%d\n", v.a); }},
    {"xor_report", [](const Values& v) { return fmt("%d\n", v.a ^ v.b); }},
};

std::vector<Case> report_cases() {
    std::vector<Case> cases;
    for (const Reporter& r : reporters) {
        auto add_case = [&](const Values& v, std::vector<std::string> args, const char* note) {
            cases.push_back({.program = r.program, .args = args, .out = r.report(v),
                             .status = r.status ? r.status(v) : 0, .note = note});
        };
        for (const Pair& p : pairs) {
            std::vector<std::string> args = {p.ta, p.tb};
            if (!r.tc.empty()) args.push_back(r.tc);
            add_case({p.ta, p.tb, r.tc, p.a, p.b, r.c}, args, "");
        }
        if (!r.checks_count) add_case({"", "", "", 0, 0, 0}, {}, "missing arguments read as 0");
    }
    return cases;
}

// ---------------------------------------------------------------------------
// The worked examples and what the pairs above do not reach.

std::vector<Case> member_cases() {
    return {
        {.program = "four_ops_report", .args = {"7", "2"}, .out = "x + y = 9\nx - y = 5\nx * y = 14\nx / y = 3\n"},
        {.program = "four_ops_report", .args = {"-7", "2"}, .out = "x + y = -5\nx - y = -9\nx * y = -14\nx / y = -3\n"},
        {.program = "four_ops_report", .args = {"5", "0"},
         .out = "x + y = 5\nx - y = 5\nx * y = 0\nError: division by zero\n", .status = 1, .note = "zero divisor"},
        {.program = "integer_quotient_double", .args = {"7", "2"}, .out = "Result: 3.000000\n"},
        {.program = "integer_quotient_double", .args = {"-2147483648", "-1"}, .out = "Result: -2147483648.000000\n"},
        {.program = "integer_quotient_double", .args = {"1", "0"}, .out = "Error: division by zero\n", .status = 1},
        {.program = "even_odd_pair_check", .args = {"2", "3"}, .out = "2 is an even number and 3 is an odd number.\n"},
        {.program = "even_odd_pair_check", .args = {"2", "-3"},
         .out = "Both inputs must be even or both inputs must be odd.\n", .note = "-3 % 2 is -1"},
        {.program = "even_odd_pair_check", .args = {"3", "3"},
         .out = "Both inputs must be even or both inputs must be odd.\n"},
        {.program = "sum_with_texts", .args = {"%s", "  7x"}, .out = "a + b = 7\n%s   7x 7\n", .note = "texts as given"},
        {.program = "less_than_report", .args = {"4", "4", "x"}, .out = "Input 1 is greater than or equal to input 2\n"},
        {.program = "less_than_report", .args = {"4294967296", "1", "x"}, .out = "Input 1 is less than input 2\n",
         .note = "compared after the cut to int"},
        {.program = "shifted_swap_report", .args = {"4", "8"}, .out = "After swapping: x = 768, y = 770\n"},
        {.program = "shifted_swap_report", .args = {"-1", "-1"}, .out = "After swapping: x = -256, y = -1\n"},
        {.program = "shifted_swap_report", .args = {"2147483647", "1023"}, .out = "After swapping: x = -256, y = 65535\n",
         .note = "left shift wraps"},
        {.program = "feet_to_length_mark", .args = {"1", "0", "2", "0"}, .out = "36'l\n"},
        {.program = "feet_to_length_mark", .args = {"5", "7", "-2", "99"}, .out = "36'l\n", .note = "inches not used"},
        {.program = "feet_to_length_mark", .args = {"178956971", "0", "0", "0"}, .out = "-2147483644'l\n"},
        {.program = "add_operation_claim", .args = {"2", "3"},
         .out = "Invalid operation. Please enter either 'add' or 'subtract'."},
        {.program = "add_operation_claim", .args = {"2", "3", "subtract"},
         .out = "Invalid operation. Please enter either 'add' or 'subtract'."},
        {.program = "add_operation_claim", .args = {"2", "3", "Add"},
         .out = "Invalid operation. Please enter either 'add' or 'subtract'.", .note = "exact word"},
        {.program = "add_operation_claim", .args = {"2", "3", "add", "more"}, .out = "The sum of 2 and 3 is 5\n"},
        {.program = "sum_any_base", .args = {"0x10", "010"}, .out = "The sum is: 24\n"},
        {.program = "sum_any_base", .args = {"0X1f", "-0x1"}, .out = "The sum is: 30\n"},
        {.program = "sum_any_base", .args = {"08", "9"}, .out = "The sum is: 9\n", .note = "octal ends at 8"},
        {.program = "sum_any_base", .args = {"0x7fffffff", "1"}, .out = "The sum is: -2147483648\n",
         .note = "int sum widened after wrapping"},
        {.program = "hex_sum_low_byte", .args = {"ff", "2"}, .out = "Sum: 1\n"},
        {.program = "hex_sum_low_byte", .args = {"0x10", "0x2F"}, .out = "Sum: 3f\n"},
        {.program = "hex_sum_low_byte", .args = {"fe", "-1"}, .out = "Sum: fd\n"},
        {.program = "hex_sum_low_byte", .args = {"zz", "10"}, .out = "Sum: 10\n"},
        {.program = "hex_sum_low_byte", .args = {"ffffffffffffffffffff", "1"}, .out = "Sum: 0\n",
         .note = "saturated at LONG_MAX, then wraps"},
        {.program = "hex_sum_low_byte", .out = "Sum: 0\n", .note = "missing arguments read as 0"},
        {.program = "inches_feet_report", .args = {"10", "5"},
         .out = "The sum of 10 and 5 is 15 inches, which is 1.00 feet\n"},
        {.program = "inches_feet_report", .args = {"-25", "0"},
         .out = "The sum of -25 and 0 is -25 inches, which is -2.00 feet\n", .note = "truncated toward zero"},
        {.program = "inches_feet_report", .args = {"2147483647", "0"},
         .out = "The sum of 2147483647 and 0 is 2147483647 inches, which is 178956976.00 feet\n",
         .note = "single precision"},
        {.program = "bitwise_or_report", .args = {"0", "0"}, .out = "Invalid input. Please enter two integer values."},
        {.program = "sum_after_prompt", .args = {"1", "2"}, .out = "Enter two numbers: The sum of the numbers is 3\n",
         .input = "9 9\n", .note = "standard input not read"},
        {.program = "both_true_check", .args = {"0", "5"}, .out = "At least one input is false.\n"},
        {.program = "first_of_two_echo", .args = {"8"}, .out = "8\n", .note = "second argument not needed"},
        {.program = "three_labels_abc", .args = {"1", "2"}, .out = "a=1\nb=2\nc=0\n"},
        {.program = "product_of_three", .args = {"65536", "65536", "3"}, .out = "The product of 65536, 65536 and 3 is: 0\n"},
        {.program = "xor_report", .args = {"12", "10"}, .out = "6\n"},
    };
}

const std::vector<Case> refusal_table = refusal_cases();
const std::vector<Case> report_table = report_cases();
const std::vector<Case> member_table = member_cases();

// ---------------------------------------------------------------------------
// Every program, given its own number of arguments all at an extreme, no
// arguments, and the one quotient that overflows, ends normally.

std::vector<harness::Run> probe_runs() {
    const std::vector<std::string> extremes = {
        "2147483647", "-2147483648", "99999999999999999999", "-99999999999999999999",
        "", std::string(10000, '7'), std::string(10000, 'x'), "0x7fffffffffffffffff"};
    std::vector<harness::Run> runs;
    for (const Reporter& r : reporters) {
        size_t count = r.tc.empty() ? 2 : 3;
        for (const std::string& e : extremes) runs.push_back({.program = r.program, .args = std::vector(count, e)});
        runs.push_back({.program = r.program});
        runs.push_back({.program = r.program, .args = {"-2147483648", "-1", "-1"}});
    }
    for (const std::string& e : extremes) runs.push_back({.program = "feet_to_length_mark", .args = {e, e, e, e}});
    for (const std::string& e : extremes) runs.push_back({.program = "hex_sum_low_byte", .args = {e, e}});
    return runs;
}

const std::vector<harness::Run> probe_table = probe_runs();

}  // namespace

HARNESS_TABLE(TwoIntegerRefusals, refusal_table);
HARNESS_TABLE(TwoIntegerReports, report_table);
HARNESS_TABLE(TwoIntegerMembers, member_table);
HARNESS_PROBES(TwoIntegerProbes, probe_table);
