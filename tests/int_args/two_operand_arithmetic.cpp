// Programs that combine two integer arguments (or an operator and integers)
// with arithmetic, bitwise and comparison operators, including two small
// calculators; sums wrap at 32 bits, zero divisors are refused.
#include <string>
#include <vector>

#include "harness/harness.hpp"

using harness::Case;
using harness::with_name;

namespace {

const std::string big(10000, '9');

// ---------------------------------------------------------------------------
// Refused argument counts: none, one short and one too many where the count
// is exact, and the invocation name as started.

const std::vector<harness::CountRule> refusals = {
    {"operator_operand_calc", {0, 1, 3}, "Usage: %s operator operand\n"},
    {"six_results_pair", {0, 1, 3}, "Please provide two input values separated by a space.\n"},
    {"scanned_difference", {1, 3}, "Error: Invalid input!\n"},
    {"sum_with_alloc_check", {0, 1}, "Usage: %s a b\n"},
    {"four_ops_nonzero", {1, 3}, "Usage: %s <num1> <num2>\n", 255},
    {"positive_pair_sum", {1, 3}, "Usage: %s num1 num2\n"},
    {"five_line_arithmetic", {1, 3}, "Usage: %s <num1> <num2>\n"},
    {"integer_power_double", {1, 3}, "Usage: %s n power\n", 255},
    {"rounded_mean_pair", {1, 3}, "Usage: %s a b\n"},
    {"scanned_pair_sum", {1, 3}, "Usage: %s a b\n"},
    {"and_shift_fold", {0, 1}, "Usage: %s input1 [input2]\n"},
    {"nonnegative_pair_sum", {1, 3}, "Usage: %s int1 int2\n"},
    {"four_ops_plain", {0, 3}, "Usage: %s <num1> <num2>\n"},
    {"double_scan_first_word", {1, 3}, "Usage: %s number1 number2\n"},
    {"bitwise_pair", {1, 3}, "Usage: %s <x> <y>\n"},
    {"long_division_pair", {1, 3}, "Usage: %s num1 num2\n"},
    {"offset_product_expression", {0},
     "Usage: ./program <integer_value> <operation>(+,-,*,/) <operand> [<operand>]...\n"},
    {"compare_sign_result", {0, 1}, "Usage: %s input1 [input2]\n", 1, true},
    {"nonnegative_sum_check", {1, 3}, "Error: Insufficient number of arguments\n"},
    {"folded_arithmetic_demo", {1, 3}, "Usage: %s a b\n"},
    {"converge_pair", {5, 6}, "Error: too many arguments\n"},
    {"smallest_of_list", {0}, "Please provide at least one argument.\n"},
};


const std::string zero = "Error: division by zero\n";

const std::vector<Case> member_table = {
    // operator_operand_calc: the second operand never comes, so it is 0.
    {.program = "operator_operand_calc", .args = {"*", "7"}, .out = "7 * 0 = 0\n"},
    {.program = "operator_operand_calc", .args = {"+x", "-2147483648"}, .out = "-2147483648 + 0 = -2147483648\n",
     .note = "first character only"},
    {.program = "operator_operand_calc", .args = {"-", "12abc"}, .out = "12 - 0 = 12\n"},
    {.program = "operator_operand_calc", .args = {"/", "8"}, .out = zero, .status = 1, .note = "operand 0"},
    {.program = "operator_operand_calc", .args = {"%", "8"}, .out = "Invalid operator\n", .status = 1},
    {.program = "operator_operand_calc", .args = {"", "8"}, .out = "Invalid operator\n", .status = 1},

    // scan_expression_loop: rescans two characters further on.
    {.program = "scan_expression_loop", .args = {"7 * 6"}, .out = "7 * 6 = 42\n"},
    {.program = "scan_expression_loop", .args = {"1+2-3*4"}, .out = "1 + 2 = 3\n2 - 3 = -1\n3 * 4 = 12\n"},
    {.program = "scan_expression_loop", .args = {"7 % 6"}, .out = "Invalid operator: %\n", .status = 1},
    {.program = "scan_expression_loop", .args = {"9 / 2"}, .out = "9 / 2 = 4\n"},
    {.program = "scan_expression_loop", .args = {"-2147483648/-1"},
     .out = "-2147483648 / -1 = -2147483648\n147483648 / -1 = -147483648\n7483648 / -1 = -7483648\n"
            "83648 / -1 = -83648\n648 / -1 = -648\n8 / -1 = -8\n",
     .note = "wraps; every rescan finds a number"},
    {.program = "scan_expression_loop", .args = {"9 / 0"}, .out = zero, .status = 1},
    {.program = "scan_expression_loop", .args = {"5 +"}, .note = "incomplete"},
    {.program = "scan_expression_loop", .args = {"1+2"}, .out = "1 + 2 = 3\n", .note = "text of 3 bytes ends"},
    {.program = "scan_expression_loop", .note = "missing argument"},

    // six_results_pair
    {.program = "six_results_pair", .args = {"7", " 2x"},
     .out = "First Input: 7\nSecond Input: 2\nResult 1: 9\nResult 2: 5\nResult 3: 14\nResult 4: 3.000000\n7\n 2x\n"
            "Result 5: 49\nResult 6: 4\n"},
    {.program = "six_results_pair", .args = {"-2147483648", "-1"},
     .out = "First Input: -2147483648\nSecond Input: -1\nResult 1: 2147483647\nResult 2: -2147483647\n"
            "Result 3: -2147483648\nResult 4: -2147483648.000000\n-2147483648\n-1\nResult 5: 0\nResult 6: 1\n"},
    {.program = "six_results_pair", .args = {"5", "zero"},
     .out = "First Input: 5\nSecond Input: 0\nResult 1: 5\nResult 2: 5\nResult 3: 0\n" + zero, .status = 1},

    // scanned_difference: first word, at most 9 characters.
    {.program = "scanned_difference", .args = {"10 3", "  4"}, .out = "Result: 6\n"},
    {.program = "scanned_difference", .args = {"12345678901", "0"}, .out = "Result: 123456789\n", .note = "cut at 9"},
    {.program = "scanned_difference", .args = {"", " "}, .out = "Result: 0\n", .note = "no word"},
    {.program = "scanned_difference", .args = {"-2147483648", "1"}, .out = "Result: -21474837\n",
     .note = "-21474836 of 9 characters"},

    // sum_with_alloc_check
    {.program = "sum_with_alloc_check", .args = {"2147483647", "1", "x"},
     .out = "Sum of 2147483647 and 1 is -2147483648\n"},

    // four_ops_nonzero
    {.program = "four_ops_nonzero", .args = {"7", "-2"}, .out = "Sum: 5\nDifference: 9\nProduct: -14\nQuotient: -3\n"},
    {.program = "four_ops_nonzero", .args = {"7", "0"}, .out = "Error: zero argument\n", .status = 255},
    {.program = "four_ops_nonzero", .args = {"abc", "3"}, .out = "Error: zero argument\n", .status = 255},
    {.program = "four_ops_nonzero", .args = {"-2147483648", "-1"},
     .out = "Sum: 2147483647\nDifference: -2147483647\nProduct: -2147483648\nQuotient: -2147483648\n"},

    // argc_arithmetic: the count is of arguments.
    {.program = "argc_arithmetic", .args = {"10"},
     .out = "Addition: 10 + 1 = 11\nSubtraction: 10 - 0 = 10\nMultiplication: 10 * -1 = -10\n"
            "Error: invalid input for division.\n"},
    {.program = "argc_arithmetic", .args = {"20", "x", "y", "3", "z"},
     .out = "Addition: 20 + 5 = 25\nSubtraction: 20 - 4 = 16\nMultiplication: 20 * 3 = 60\n"
            "Division: 20 / 1 = 6\n", .note = "divides by argument 4"},
    {.program = "argc_arithmetic", .args = {"20", "x", "y", "0"},
     .out = "Addition: 20 + 4 = 24\nSubtraction: 20 - 3 = 17\nMultiplication: 20 * 2 = 40\n" + zero, .status = 1},
    {.program = "argc_arithmetic",
     .out = "Addition: 0 + 0 = 0\nSubtraction: 0 - -1 = 1\nMultiplication: 0 * -2 = 0\n"
            "Error: invalid input for division.\n", .note = "missing argument"},

    // positive_pair_sum
    {.program = "positive_pair_sum", .args = {"3", "+4z"}, .out = "3 + 4 = 7\n"},
    {.program = "positive_pair_sum", .args = {"3", "0"}, .out = "Invalid input\n", .status = 1},
    {.program = "positive_pair_sum", .args = {"4294967295", "2"}, .out = "Invalid input\n", .status = 1,
     .note = "-1 after the cut"},

    // five_line_arithmetic
    {.program = "five_line_arithmetic", .args = {"-7", "2"},
     .out = "num1 = -7, num2 = 2\nsum = -5\ndifference = -9\nproduct = -14\nquotient = -3\n"},
    {.program = "five_line_arithmetic", .args = {"7", "0"},
     .out = "num1 = 7, num2 = 0\nsum = 7\ndifference = 7\nproduct = 0\n" + zero, .status = 1},

    // integer_power_double
    {.program = "integer_power_double", .args = {"2", "10"}, .out = "2.000000^10 = 1024.000000\n"},
    {.program = "integer_power_double", .args = {"-3", "0"}, .out = "-3.000000^0 = 1.000000\n"},
    {.program = "integer_power_double", .args = {"-2", "2147483647"}, .out = "-2.000000^2147483647 = -inf\n",
     .note = "overflows, sign of the rest"},
    {.program = "integer_power_double", .args = {"-1", "2147483647"}, .out = "-1.000000^2147483647 = -1.000000\n"},
    {.program = "integer_power_double", .args = {"0", "5"}, .out = "0.000000^5 = 0.000000\n"},
    {.program = "integer_power_double", .args = {"7", "30"}, .out = "7.000000^30 = 22539340290692260504272896.000000\n",
     .note = "past 2^53 each product is rounded to a double"},
    {.program = "integer_power_double", .args = {"2", "-1"},
     .out = "Error: power must be a non-negative integer.\n", .status = 255},

    // positive_sum_text
    {.program = "positive_sum_text", .args = {"2147483647", "2147483647"}, .out = "-2\n"},
    {.program = "positive_sum_text", .args = {"5"}, .out = "Invalid input. Please enter two positive integers.\n",
     .note = "missing reads as 0, status 0"},

    // rounded_mean_pair
    {.program = "rounded_mean_pair", .args = {"3", "4"}, .out = "The rounded-up value is 3\n"},
    {.program = "rounded_mean_pair", .args = {"16777217", "16777217"}, .out = "The rounded-up value is 16777216\n",
     .note = "float rounding"},
    {.program = "rounded_mean_pair", .args = {"2147483647", "2147483647"}, .out = "The rounded-up value is -1\n",
     .note = "sum wraps"},
    {.program = "rounded_mean_pair", .args = {"-1", "0"}, .out = "Invalid input. Enter only positive integers!\n",
     .status = 2},
    {.program = "rounded_mean_pair", .args = {"0", "x"}, .out = "Invalid input. Only integers are allowed!\n",
     .status = 3},

    // scanned_pair_sum
    {.program = "scanned_pair_sum", .args = {" -3q", "x"}, .out = "-3 + 0 = -3\n", .note = "unconverted is 0"},
    {.program = "scanned_pair_sum", .args = {"99999999999999999999", "1"}, .out = "-1 + 1 = 0\n"},

    // and_shift_fold
    {.program = "and_shift_fold", .args = {"0x0F", "12"}, .out = "Result: 0\n"},
    {.program = "and_shift_fold", .args = {"-8", "-4"}, .out = "Result: -8\n", .note = "b stays -1: ends"},
    {.program = "and_shift_fold", .args = {"017", "-1", "x"}, .out = "Result: 15\n"},

    // nonnegative_pair_sum
    {.program = "nonnegative_pair_sum", .args = {"0x10", "010"}, .out = "Sum of 16 and 8 is 24.\n"},
    {.program = "nonnegative_pair_sum", .args = {"0x7fffffff", "1"}, .out = "Sum of 2147483647 and 1 is -2147483648.\n"},
    {.program = "nonnegative_pair_sum", .args = {"1", "-0x1"},
     .out = "Invalid input. Please enter positive integers only.\n", .status = 1},

    // four_ops_plain
    {.program = "four_ops_plain", .args = {"7", "2"}, .out = "Sum: 9\nDifference: 5\nProduct: 14\nQuotient: 3\n"},
    {.program = "four_ops_plain", .args = {"7", "0"}, .out = "Sum: 7\nDifference: 7\nProduct: 0\n" + zero, .status = 1},

    // double_scan_first_word
    {.program = "double_scan_first_word", .args = {"3 4", "100"}, .out = "The sum of 3 and 4 is 7\n"},
    {.program = "double_scan_first_word", .args = {"3-4", "1"}, .out = "The sum of 3 and -4 is -1\n"},
    {.program = "double_scan_first_word", .args = {"3", "4"}, .out = "The sum of 3 and 0 is 3\n",
     .note = "second unconverted"},
    {.program = "double_scan_first_word", .args = {"x 4", "4"}, .out = "The sum of 0 and 0 is 0\n"},

    // bitwise_pair
    {.program = "bitwise_pair", .args = {"0xC", "10"}, .out = "a & b: 8\na | b: 14\na ^ b: 6\n~a: -13\n"},
    {.program = "bitwise_pair", .args = {"-2147483648", "0xffffffff"},
     .out = "a & b: -2147483648\na | b: -1\na ^ b: 2147483647\n~a: 2147483647\n"},

    // long_division_pair
    {.program = "long_division_pair", .args = {"7", "-2"}, .out = "7 / -2 = -3\n"},
    {.program = "long_division_pair", .args = {"-2147483648", "-1"}, .out = "-2147483648 / -1 = 2147483648\n"},
    {.program = "long_division_pair", .args = {"4294967303", "2"}, .out = "7 / 2 = 3\n", .note = "cut to int"},
    {.program = "long_division_pair", .args = {"1", "4294967296"}, .out = "Error: Division by zero.\n", .status = 1},

    // four_ops_float_quotient
    {.program = "four_ops_float_quotient", .args = {"-7", "2"},
     .out = "-7 + 2 = -5\n-7 - 2 = -9\n-7 * 2 = -14\n-7 / 2 = -3.000000\n"},
    {.program = "four_ops_float_quotient", .args = {"4"}, .out = "4 + 0 = 4\n4 - 0 = 4\n4 * 0 = 0\n" + zero,
     .status = 1, .note = "missing divisor is 0"},

    // offset_product_expression
    {.program = "offset_product_expression", .args = {"50", "1"}, .out = "Result: 149\n"},
    {.program = "offset_product_expression", .args = {"48"}, .out = "Result: 95\n", .note = "missing reads as 0"},
    {.program = "offset_product_expression", .args = {"57", "2147483647"}, .out = "Result: -2147483592\n"},
    {.program = "offset_product_expression", .args = {"5", "1"},
     .out = "Invalid argument type. Please enter a valid integer value\n", .status = 1},
    {.program = "offset_product_expression", .args = {"58", "1"},
     .out = "Invalid argument type. Please enter a valid integer value\n", .status = 1},

    // compare_sign_result
    {.program = "compare_sign_result", .args = {"2147483647", "-2147483648"}, .out = "The result of 2147483647 / -2147483648 is 1\n"},
    {.program = "compare_sign_result", .args = {"-5", "3", "x"}, .out = "The result of -5 / 3 is -1\n"},
    {.program = "compare_sign_result", .args = {"x", "0"}, .out = "The result of 0 / 0 is 0\n"},

    // nonnegative_sum_check
    {.program = "nonnegative_sum_check", .args = {"0", "2147483647"}, .out = "The sum of 0 and 2147483647 is 2147483647\n"},
    {.program = "nonnegative_sum_check", .args = {"1", "-1"}, .out = "Error: Inputs must be non-negative\n",
     .status = 1},

    // folded_arithmetic_demo
    {.program = "folded_arithmetic_demo", .args = {"-9", "x"},
     .out = "Addition: 15\nSubtraction: 5\nMultiplication: 50\nDivision: 2\n"},

    // converge_pair: meets at b, or at a once b has wrapped.
    {.program = "converge_pair", .args = {"3", "8"}, .out = "Result: 8\n"},
    {.program = "converge_pair", .args = {"-2147483648", "2147483647", "x", "y"}, .out = "Result: 2147483647\n"},
    {.program = "converge_pair", .args = {"8", "3"}, .out = "Result: 8\n", .note = "b wraps round"},
    {.program = "converge_pair", .args = {"-4"}, .out = "Result: 0\n", .note = "missing reads as 0"},
    {.program = "converge_pair", .out = "Result: 0\n"},

    // sum_product_char
    {.program = "sum_product_char", .args = {"5", "6"}, .out = "Sum: 11\nProduct: 30\nResult: )\n"},
    {.program = "sum_product_char", .args = {"65536", "65"}, .out = "Sum: 65601\nProduct: 4259840\nResult: A\n",
     .note = "low byte"},
    {.program = "sum_product_char", .out = std::string("Sum: 0\nProduct: 0\nResult: \0\n", 28)},

    // scanned_sum_two
    {.program = "scanned_sum_two", .args = {"2147483647", "1"}, .out = "Sum: -2147483648\n"},
    {.program = "scanned_sum_two", .args = {"x", " 4"}, .out = "Sum: 4\n"},
    {.program = "scanned_sum_two", .out = "Sum: 0\n"},

    // compare_nonzero_pair: no final newline.
    {.program = "compare_nonzero_pair", .out = "The input is zero.", .note = "argument 2 not needed"},
    {.program = "compare_nonzero_pair", .args = {"5", "3"}, .out = "5 is greater than 3."},
    {.program = "compare_nonzero_pair", .args = {"-5", "-5"}, .out = "The two inputs are equal."},
    {.program = "compare_nonzero_pair", .args = {"5", "9"}, .out = "9 is greater than 5."},
    {.program = "compare_nonzero_pair", .args = {"-5"}, .out = "0 is greater than -5.", .note = "missing is 0"},

    // smallest_of_list
    {.program = "smallest_of_list", .args = {"5", "3", "9", "1", "4"}, .out = "The smallest of 5, 3 and 9 is: 1\n"},
    {.program = "smallest_of_list", .args = {"5", "7", "6"}, .out = "The smallest of 5, 7 and 6 is: 5\n"},
    {.program = "smallest_of_list", .args = {"5"}, .out = "The smallest of 5, 0 and 0 is: 0\n",
     .note = "missing read as 0"},
};

const std::vector<Case> refusal_table = harness::count_refusals(refusals);

// Every program with its arguments at the extremes, with none, and with the
// one quotient that overflows, ends normally.
std::vector<harness::Run> probe_runs() {
    const char* programs[] = {
        "operator_operand_calc", "scan_expression_loop", "six_results_pair", "scanned_difference",
        "sum_with_alloc_check", "four_ops_nonzero", "argc_arithmetic", "positive_pair_sum", "five_line_arithmetic",
        "integer_power_double", "positive_sum_text", "rounded_mean_pair", "scanned_pair_sum", "and_shift_fold",
        "nonnegative_pair_sum", "four_ops_plain", "double_scan_first_word", "bitwise_pair", "long_division_pair",
        "four_ops_float_quotient", "offset_product_expression", "compare_sign_result", "nonnegative_sum_check",
        "folded_arithmetic_demo", "converge_pair", "sum_product_char", "scanned_sum_two", "compare_nonzero_pair",
        "smallest_of_list"};
    const std::vector<std::string> extremes = {"2147483647", "-2147483648", "99999999999999999999",
                                               "-99999999999999999999", "", big, std::string(10000, 'x'),
                                               "0x7fffffffffffffffff", "-2147483648/-1"};
    std::vector<harness::Run> runs;
    for (const char* p : programs) {
        for (const std::string& e : extremes) {
            runs.push_back({.program = p, .args = {e, e}});
            runs.push_back({.program = p, .args = {e}});
        }
        runs.push_back({.program = p});
        runs.push_back({.program = p, .args = {"-2147483648", "-1", "-1", "-1"}});
        runs.push_back({.program = p, .args = {"/", "-2147483648", "-1", "-1"}});
    }
    return runs;
}

const std::vector<harness::Run> probe_table = probe_runs();

}  // namespace

HARNESS_TABLE(TwoOperandRefusals, refusal_table);
HARNESS_TABLE(TwoOperandMembers, member_table);
HARNESS_PROBES(TwoOperandProbes, probe_table);
