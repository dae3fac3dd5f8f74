// Programs that convert arguments to double or float and report a
// computation: refusals, float-versus-double rounding, infinities and NaNs,
// integer fields fed from doubles, missing arguments and extreme inputs.
#include "harness/harness.hpp"

using harness::Case;

namespace {

const std::string long_digits = harness::repeat("1", 10000);
const std::string twenty_digits = "12345678901234567890";
// 1e308 as "%f" prints it.
const std::string e308 =
    "100000000000000001097906362944045541740492309677311846336810682903157585404911491537163328978494688899061249"
    "669721172515611590283743140088328307009198146046031271664502933027185697489699588559043338384466165001178426"
    "897626212945177628091195786707458122783970171784415105291802893207873272974885715430223118336.000000";

// 3 * 1e308 after its leading 3, exactly.
const std::string three_e308 =
    "00000000000000003293719088832136625221476929031935539010432048709472756214734474611489986935484066697183749"
    "009163517546834770851229420264984921027594438138093814993508799081557092469098765677130015153398495003535280"
    "692878638835532884273587360122374368351910515353245315875408679623619818924657146290669355008";

// The 32 lines of scaled_ramp_table for v whose product v * d is `base`.
std::string ramp(const char* v, double base) {
    std::string out;
    char line[80];
    for (int i = 0; i < 32; ++i) {
        snprintf(line, sizeof line, "%s, %.2f\n", v, base + i);
        out += line;
    }
    return out;
}

// The 32 lines of scaled_ramp_table whose values v * d + i are the integer
// first + i with the decimals `cents`, exactly: more digits than a double holds.
std::string exact_ramp(const char* v, long long first, const char* cents) {
    std::string out;
    char line[80];
    for (long long i = 0; i < 32; ++i) {
        snprintf(line, sizeof line, "%s, %lld.%s\n", v, first + i, cents);
        out += line;
    }
    return out;
}

// A refused argument count: the refusal text with the default invocation
// name, on standard output unless `on_stderr`, for one too few and (when the
// count is exact) one too many arguments.
struct Refusal {
    const char* program;
    int accepted;  // the least accepted count of arguments
    bool exact;
    std::string text;
    int status = 1;
    bool on_stderr = false;
};

const Refusal refusal_rows[] = {
    {"scaled_ramp_table", 1, false, "Error: Missing required header files.\n", 1, true},
    {"float_calculator_thanks", 3, true, "Error: Invalid number of arguments\n"},
    {"float_op_first_char", 2, true, "Usage: ./float_op_first_char op1 op2\n"},
    {"doubling_series_print", 1, true, "Usage: ./doubling_series_print input\n"},
    {"rpn_float_calculator", 3, true, "Usage: ./rpn_float_calculator <num1> <num2> <operator>\n"},
    {"reciprocal_offset_assert", 1, true, "Assertion failed: exactly one argument is required\n", 1, true},
    {"double_or_zero_flag", 1, false, "Usage: program [positive|-p] number1 number2\n"},
    {"log2_folded_demo", 1, false, "Please provide an argument for the input value.\n"},
    {"midpoint_of_two", 2, true, "Usage: ./midpoint_of_two a b\n"},
    {"float_pair_sum", 2, false, "Please provide at least two input values.\n", 0},
    {"circle_area", 1, true, "Error: Please enter the radius of the circle.\n"},
    {"e_scaled_third", 1, true, "Usage: ./e_scaled_third <expression>\n"},
    {"truncated_countdown", 1, true, "Usage: ./truncated_countdown input\n"},
    {"float_two_decimals", 1, true, "Usage: ./float_two_decimals <input>\n"},
    {"double_two_decimals", 1, true, "Usage: ./double_two_decimals <input_string>\n"},
};

std::vector<Case> refusal_cases() {
    std::vector<Case> cases;
    for (const Refusal& r : refusal_rows) {
        Case c{.program = r.program, .status = r.status, .note = "refused count"};
        (r.on_stderr ? c.err : c.out) = r.text;
        c.args.assign(r.accepted - 1, "1");
        cases.push_back(c);
        if (r.exact) {
            c.args.assign(r.accepted + 1, "1");
            cases.push_back(c);
        }
    }
    cases.push_back({.program = "float_pair_sum", .out = "Please provide at least two input values.\n"});
    cases.push_back({.program = "midpoint_of_two", .args = {"1"}, .out = "Usage: /x/m a b\n", .status = 1,
                     .argv0 = "/x/m", .note = "invocation name as started"});
    return cases;
}

const std::vector<Case> refusals = refusal_cases();

const std::vector<Case> members = {
    // Sums taken in float; the second line shows its own left-hand side.
    {.program = "float_pair_cse_verdict", .args = {"-125", "128"},
     .out = "The inputs are already as far apart in the floating-point range as possible.\n"},
    {.program = "float_pair_cse_verdict", .args = {"2", "2"},
     .out = "The result is equal to the intermediate value, which is not allowed in CSE.\n"
            "2.000000 + 2.000000 = 4.000000\n2.000000 - 2.000000 + 4.000000 - 4.000000 = 0.000000\n"},
    {.program = "float_pair_cse_verdict", .args = {"1", "16777216"},
     .out = "The results of input1 and input2 are different.\n1.000000 + 16777216.000000 = 16777216.000000\n"
            "1.000000 - 16777216.000000 + 16777216.000000 - 16777216.000000 = -16777215.000000\n",
     .note = "float sum rounds away the 1"},
    {.program = "float_pair_cse_verdict", .args = {"3e38", "3e38"},
     .out = "The result is greater than the maximum value of a float.\n"
            "300000000549775575777803994281145270272.000000 + 300000000549775575777803994281145270272.000000 = inf\n"
            "300000000549775575777803994281145270272.000000 - 300000000549775575777803994281145270272.000000"
            " + inf - inf = -nan\n"},
    {.program = "float_pair_cse_verdict", .args = {"3e38", "-3e38"},
     .out = "The results of input1 and input2 are different.\n"
            "300000000549775575777803994281145270272.000000 + -300000000549775575777803994281145270272.000000"
            " = 0.000000\n"
            "300000000549775575777803994281145270272.000000 - -300000000549775575777803994281145270272.000000"
            " + 0.000000 - 0.000000 = inf\n",
     .note = "a - b overflows to inf as a float"},
    {.program = "float_pair_cse_verdict", .args = {"-3", "1"},
     .out = "The result is less than zero, which is not possible with floating-point arithmetic.\n"
            "-3.000000 + 1.000000 = -2.000000\n-3.000000 - 1.000000 + -2.000000 - -2.000000 = -4.000000\n"},
    {.program = "float_pair_cse_verdict", .args = {"nan", "nan"},
     .out = "The results of input1 and input2 are different.\nnan + nan = nan\nnan - nan + nan - nan = nan\n"},
    {.program = "float_pair_cse_verdict", .args = {"-125"},
     .out = "The result is less than zero, which is not possible with floating-point arithmetic.\n"
            "-125.000000 + 0.000000 = -125.000000\n"
            "-125.000000 - 0.000000 + -125.000000 - -125.000000 = -125.000000\n",
     .note = "missing argument 2 is 0"},

    // Each of positions 1 to 4 is printed when its left neighbour is positive.
    {.program = "float_list_mark_print", .args = {"1", "2", "3"}, .out = "2.000000\n3.000000\n0.000000\n"},
    {.program = "float_list_mark_print", .args = {"1", "-2", "3", "4", "5", "6", "7", "8", "9"},
     .out = "-2.000000\n4.000000\n5.000000\n"},
    {.program = "float_list_mark_print", .args = {"nan", "0", "inf", "16777217", "0.1"},
     .out = "16777216.000000\n0.100000\n"},
    {.program = "float_list_mark_print", .args = {"-1", "1"}, .out = "0.000000\n",
     .note = "only position 2 follows a positive value"},
    {.program = "float_list_mark_print", .args = {"-1", "-1", "-1", "-1", "7"}},

    {.program = "four_doubles_shift", .args = {"1", "2.5", "x", "-0.5", "9"},
     .out = "1\n2.5\nx\n-0.5\n9\nx[0] = 1.000000\nx[1] = 2.500000\nx[2] = 0.000000\nx[3] = -0.500000\n"
            "y[0] = 3.000000\ny[1] = 4.500000\ny[2] = 2.000000\ny[3] = 1.500000\nSum: 3.000000\n"},
    {.program = "four_doubles_shift", .args = {"1e308", "1e308", "-1e308"},
     .out = "1e308\n1e308\n-1e308\nx[0] = " + e308 + "\nx[1] = " + e308 + "\nx[2] = -" + e308 +
            "\nx[3] = 0.000000\ny[0] = " + e308 + "\ny[1] = " + e308 + "\ny[2] = -" + e308 +
            "\ny[3] = 2.000000\nSum: inf\n",
     .note = "the partial sum overflows to inf as a double and stays inf"},
    {.program = "four_doubles_shift",
     .out = "x[0] = 0.000000\nx[1] = 0.000000\nx[2] = 0.000000\nx[3] = 0.000000\n"
            "y[0] = 2.000000\ny[1] = 2.000000\ny[2] = 2.000000\ny[3] = 2.000000\nSum: 0.000000\n"},

    {.program = "scaled_ramp_table", .args = {"3", "0.5", "x"}, .out = ramp("3", 1.5) + "Program complete.\n"},
    {.program = "scaled_ramp_table", .args = {"-7", "0.25"}, .out = ramp("-7", -1.75),
     .err = "Error: Missing required data.\n", .status = 1},
    {.program = "scaled_ramp_table", .args = {"5"}, .out = ramp("5", 0) + "Program complete.\n",
     .note = "missing d counts as 0; only two arguments end with the missing-data error"},
    {.program = "scaled_ramp_table", .args = {"2", "1.5", "x", "y"}, .out = ramp("2", 3) + "Program complete.\n"},
    {.program = "scaled_ramp_table", .args = {"9007199254740993", "1", "x"},
     .out = exact_ramp("9007199254740993", 9007199254740993LL, "00") + "Program complete.\n",
     .note = "extended precision: 2^53 + 1 is kept"},
    {.program = "scaled_ramp_table", .args = {"9223372036854775807", "0.1", "x"},
     .out = exact_ramp("9223372036854775807", 922337203685477631LL, "88") + "Program complete.\n",
     .note = "the product rounded to a 64-bit significand (a 128-bit long double gives .90)"},
    {.program = "scaled_ramp_table", .args = {"3", "1e308", "x"},
     .out = harness::repeat("3, 3" + three_e308 + ".00\n", 32) + "Program complete.\n",
     .note = "beyond a double's range; i is below the last place"},
    {.program = "scaled_ramp_table", .args = {"0", "inf", "x"},
     .out = harness::repeat("0, -nan\n", 32) + "Program complete.\n", .note = "0 * inf is the negative default NaN"},
    {.program = "scaled_ramp_table", .args = {"1", "0.125", "x"}, .out = ramp("1", 0.125) + "Program complete.\n",
     .note = "a tie prints to even: 0.12"},
    {.program = "scaled_ramp_table", .args = {"-1", "1e-300", "x"}, .out = ramp("-1", -1e-300) + "Program complete.\n",
     .note = "-0.00, then 1.00"},
    {.program = "scaled_ramp_table", .args = {twenty_digits, "0", "x"},
     .out = ramp("9223372036854775807", 0) + "Program complete.\n", .note = "v saturates"},

    {.program = "float_calculator_thanks", .args = {"6", "/", "0"}, .out = "Error: Division by zero\n", .status = 1},
    {.program = "float_calculator_thanks", .args = {"6", "/", "-0"}, .out = "Error: Division by zero\n", .status = 1},
    {.program = "float_calculator_thanks", .args = {"6", "x", "2"}, .out = "Error: Invalid operator\n", .status = 1},
    {.program = "float_calculator_thanks", .args = {"6", "/x", "4"},
     .out = "The result is: 1.500000\nThank you for using the calculator. Have a nice day!\n"},
    {.program = "float_calculator_thanks", .args = {"1e308", "*", "10"},
     .out = "The result is: inf\nThank you for using the calculator. Have a nice day!\n"},
    {.program = "float_calculator_thanks", .args = {"4611686018427387904", "+", "512.25"},
     .out = "The result is: 4611686018427388928.000000\nThank you for using the calculator. Have a nice day!\n",
     .note = "2^62 + 512.25 rounds once, up"},

    {.program = "float_op_first_char", .args = {"-3", "2"}, .out = "-3.000000 - 2.000000 = -5.00\n"},
    {.program = "float_op_first_char", .args = {"+4", "0.125"}, .out = "4.000000 + 0.125000 = 4.12\n"},
    {.program = "float_op_first_char", .args = {"*2", "3"}, .out = "0.000000 * 3.000000 = 0.00\n"},
    {.program = "float_op_first_char", .args = {"+4611686018427387904", "512.25"},
     .out = "4611686018427387904.000000 + 512.250000 = 4611686018427388928.00\n",
     .note = "2^62 + 512.25 rounds once, up"},
    {.program = "float_op_first_char", .args = {"/4", "0"}, .out = "Error: division by zero\n", .status = 1},
    {.program = "float_op_first_char", .args = {"3", "2"}, .out = "Error: invalid operator\n", .status = 1},

    // Terms shown truncated toward zero; out of int's range they show INT_MIN.
    {.program = "doubling_series_print", .args = {"3"}, .out = "3 6 12 ", .note = "no newline"},
    {.program = "doubling_series_print", .args = {"3.75"}, .out = "3 7 15 "},
    {.program = "doubling_series_print", .args = {"-2.5"}},
    {.program = "doubling_series_print", .args = {"1e300"}, .out = "-2147483648 "},
    {.program = "doubling_series_print", .args = {"33"},
     .out = "33 66 132 264 528 1056 2112 4224 8448 16896 33792 67584 135168 270336 540672 1081344 2162688 4325376 "
            "8650752 17301504 34603008 69206016 138412032 276824064 553648128 1107296256 -2147483648 -2147483648 "
            "-2147483648 -2147483648 -2147483648 -2147483648 -2147483648 "},
    {.program = "doubling_series_print", .args = {"0"}, .out = "Invalid input. Please enter a valid number.\n",
     .status = 1},
    {.program = "doubling_series_print", .args = {twenty_digits}, .note = "atoi of a 20-digit number is -1"},

    {.program = "parity_and_double_check", .args = {"-3", "5.0000001"},
     .out = "-3 is odd.\nThe result is greater than 10.\n"},
    {.program = "parity_and_double_check", .args = {"-2147483648", "nan"},
     .out = "-2147483648 is even.\nThe result is not greater than 10.\n"},
    {.program = "parity_and_double_check", .out = "0 is even.\nThe result is not greater than 10.\n"},

    {.program = "hello_triple_convert", .args = {"1.005", "4294967297", twenty_digits},
     .out = "Hello, world!\nx = 1.00\ny = 1\nz = 9223372036854775807\n", .note = "int keeps the low 32 bits"},
    {.program = "hello_triple_convert", .args = {"-inf", "-2147483649", "-12"},
     .out = "Hello, world!\nx = -inf\ny = 2147483647\nz = -12\n"},
    {.program = "hello_triple_convert", .out = "Hello, world!\nx = 0.00\ny = 0\nz = 0\n"},

    {.program = "rpn_float_calculator", .args = {"7", "2", "/"}, .out = "3.500000\n"},
    {.program = "rpn_float_calculator", .args = {"7", "0", "/"}, .out = "inf\n"},
    {.program = "rpn_float_calculator", .args = {"0", "0", "/"}, .out = "-nan\n"},
    {.program = "rpn_float_calculator", .args = {"7", "2", "*x"}, .out = "14.000000\n"},
    {.program = "rpn_float_calculator", .args = {"4611686018427387904", "512.25", "+"},
     .out = "4611686018427388928.000000\n", .note = "2^62 + 512.25 rounds once, up"},
    {.program = "rpn_float_calculator", .args = {"7", "2", "%"}, .out = "0.000000\n", .note = "unknown operator"},

    {.program = "reciprocal_offset_assert", .args = {"5.5"}, .out = "Input: 5.500000\nOutput: 2\n"},
    {.program = "reciprocal_offset_assert", .args = {"4.5"}, .out = "Input: 4.500000\nOutput: -2\n"},
    {.program = "reciprocal_offset_assert", .args = {"100"}, .out = "Input: 100.000000\nOutput: 0\n"},
    {.program = "reciprocal_offset_assert", .args = {"5"}, .err = "Assertion failed: the input must differ from 5\n",
     .status = 1},
    {.program = "reciprocal_offset_assert", .args = {"5.000000000001"},
     .out = "Input: 5.000000\nOutput: -2147483648\n", .note = "reciprocal beyond int"},
    {.program = "reciprocal_offset_assert", .args = {"nan"}, .out = "Input: nan\nOutput: -2147483648\n"},

    {.program = "double_or_zero_flag", .args = {"2.5", "-p"}, .out = "Result: 0.000000\n"},
    {.program = "double_or_zero_flag", .args = {"2.5", "-px"}, .out = "Result: 5.000000\n"},
    {.program = "double_or_zero_flag", .args = {"inf", "-p"}, .out = "Result: -nan\n"},
    {.program = "double_or_zero_flag", .args = {"2.5"}, .out = "Result: 5.000000\n", .note = "missing flag"},

    {.program = "negative_float_offset", .args = {"3", "-5.9"}, .out = "Result: 8\n"},
    {.program = "negative_float_offset", .args = {"3", "-0.5"}, .out = "Invalid input. Please enter valid numbers.\n",
     .note = "b truncates to 0"},
    {.program = "negative_float_offset", .args = {"0", "-5"}, .out = "Invalid input. Please enter valid numbers.\n"},
    {.program = "negative_float_offset", .args = {"2147483647", "-2"}, .out = "Result: -2147483647\n", .note = "wraps"},
    {.program = "negative_float_offset", .args = {"1", "-1e10"}, .out = "Result: -2147483647\n"},
    {.program = "negative_float_offset", .args = {"1", "-16777217"}, .out = "Result: 16777217\n",
     .note = "b rounded to float"},
    {.program = "negative_float_offset", .out = "Invalid input. Please enter valid numbers.\n"},

    {.program = "log2_folded_demo", .args = {"3"},
     .out = "Input: 3.000000\nLogarithm base 2 of x (using constant folding): 2.000000\n"},
    {.program = "log2_folded_demo", .args = {"-inf", "x"},
     .out = "Input: -inf\nLogarithm base 2 of x (using constant folding): -inf\n"},
    {.program = "log2_folded_demo", .args = {"0.25"},
     .out = "Input: 0.250000\nLogarithm base 2 of x (using constant folding): 0.625000\n"},
    {.program = "log2_folded_demo", .args = {"1.0000000000287286e-06"},
     .out = "Input: 0.000001\nLogarithm base 2 of x (using constant folding): 0.500000\n",
     .note = "x + 1 rounds once, down to the double just below 1.000001"},

    {.program = "hour_minute_report", .args = {"24"},
     .out = "Invalid input. Please enter a valid time in the format HHMM.", .note = "no newline"},
    {.program = "hour_minute_report", .args = {"-1", "5"},
     .out = "Invalid input. Please enter a valid time in the format HHMM."},
    {.program = "hour_minute_report", .args = {"23", "59.9"}, .out = "It's 23:59 am/pm.\n"},
    {.program = "hour_minute_report", .args = {"4294967296", "7"}, .out = "It's 0:07 am/pm.\n",
     .note = "low 32 bits"},
    {.program = "hour_minute_report", .args = {"5", "-5.5"}, .out = "It's 5:-5 am/pm.\n"},
    {.program = "hour_minute_report", .args = {"5", "1e300"}, .out = "It's 5:-2147483648 am/pm.\n"},
    {.program = "hour_minute_report", .out = "It's 0:00 am/pm.\n"},

    {.program = "midpoint_of_two", .args = {"1", "2"}, .out = "Result: 1.500000\n"},
    {.program = "midpoint_of_two", .args = {"1e308", "1e308"}, .out = "Result: inf\n", .note = "sum overflows"},

    {.program = "float_pair_sum", .args = {"0.1", "0.2", "9"}, .out = "The sum is 0.300000\n"},
    {.program = "float_pair_sum", .args = {"inf", "-inf"}, .out = "The sum is -nan\n"},
    {.program = "float_pair_sum", .args = {"-nan", "1"}, .out = "The sum is -nan\n", .note = "a NaN operand comes back with its sign"},
    {.program = "float_two_decimals", .args = {"-nan"}, .out = "Input: -nan\n", .note = "a float NaN keeps its sign as a double"},
    {.program = "rpn_float_calculator", .args = {"-nan", "2", "*"}, .out = "-nan\n", .note = "a NaN operand comes back with its sign"},

    {.program = "argument_average", .out = "Average: 0.000000\n"},
    {.program = "argument_average", .args = {"2", "4"}, .out = "Average: 2.000000\n"},
    {.program = "argument_average", .args = {"x", "1e3", "0x8"}, .out = "Average: 252.000000\n"},
    {.program = "argument_average", .args = {"1e308", "1e308"}, .out = "Average: inf\n",
     .note = "the sum overflows to inf as a double"},
    // The first NaN of the sum is the one printed, whatever order the compiler adds in.
    {.program = "argument_average", .args = {"nan", "-nan"}, .out = "Average: nan\n"},
    {.program = "argument_average", .args = {"-nan", "nan", "1"}, .out = "Average: -nan\n"},
    {.program = "argument_average", .args = {"1e400", "-1e400", "nan"}, .out = "Average: -nan\n"},
    {.program = "four_doubles_shift", .args = {"nan", "-nan"},
     .out = "nan\n-nan\nx[0] = nan\nx[1] = -nan\nx[2] = 0.000000\nx[3] = 0.000000\n"
            "y[0] = nan\ny[1] = -nan\ny[2] = 2.000000\ny[3] = 2.000000\nSum: nan\n"},

    {.program = "circle_area", .args = {"2.5"}, .out = "The area of the circle is 19.63.\n"},
    {.program = "circle_area", .args = {"-1"}, .out = "The area of the circle is 3.14.\n"},
    {.program = "circle_area", .args = {"278347529"}, .out = "The area of the circle is 243402263841958976.00.\n",
     .note = "pi * r rounded to a double before the second product"},

    {.program = "e_scaled_third", .args = {"16777217"}, .out = "The result is 15201723.569493\n",
     .note = "read as float"},
    {.program = "e_scaled_third", .args = {"0.1"}, .out = "The result is 0.090609\n"},
    {.program = "e_scaled_third", .args = {"72999862272"}, .out = "The result is 66144688538.910713\n",
     .note = "the product rounded to a double before the division"},

    {.program = "truncated_countdown", .args = {"3.9"}, .out = "3\n2\n1\n"},
    {.program = "truncated_countdown", .args = {"0.99"}},
    {.program = "truncated_countdown", .args = {"1e300"}, .note = "beyond int: nothing"},

    {.program = "float_two_decimals", .args = {"16777217"}, .out = "Input: 16777216.00\n", .note = "float"},
    {.program = "float_two_decimals", .args = {"1e39"}, .out = "Input: inf\n"},
    {.program = "double_two_decimals", .args = {"16777217"}, .out = "Input: 16777217.00\n", .note = "double"},
    {.program = "double_two_decimals", .args = {""}, .out = "Input: 0.00\n"},

    // Greater than 1 squares to infinity within the bounded steps.
    {.program = "square_until_limit", .args = {"1.0000001"}, .out = "DBL_MAX_EXP: inf\n"},
    {.program = "square_until_limit", .args = {"1"}, .out = "DBL_MAX_EXP: 1.000000\n"},
    {.program = "square_until_limit", .args = {"nan"}, .out = "DBL_MAX_EXP: nan\n"},
    {.program = "square_until_limit", .out = "DBL_MAX_EXP: 0.000000\n"},

    {.program = "float_square", .args = {"-1.5"}, .out = "The square of -1.500000 is: 2.250000\n"},
    {.program = "float_square", .args = {"-inf"}, .out = "The square of -inf is: inf\n"},
    {.program = "float_square", .args = {"761754.758"}, .out = "The square of 761754.758000 is: 580270311335.638550\n",
     .note = "the square rounded once to a double"},
    {.program = "float_square", .out = "The square of 0.000000 is: 0.000000\n"},
};

// Programs whose run is bounded for every input, with argument sets at the
// extremes: each must end normally with no sanitizer report.
const char* const bounded[] = {
    "float_pair_cse_verdict", "float_list_mark_print", "four_doubles_shift", "scaled_ramp_table",
    "float_calculator_thanks", "float_op_first_char", "parity_and_double_check", "hello_triple_convert",
    "rpn_float_calculator", "reciprocal_offset_assert", "double_or_zero_flag", "negative_float_offset",
    "log2_folded_demo", "hour_minute_report", "midpoint_of_two", "float_pair_sum", "argument_average",
    "circle_area", "e_scaled_third", "float_two_decimals", "double_two_decimals", "square_until_limit",
    "float_square",
};

}  // namespace

HARNESS_TABLE(FloatRefusals, refusals);
HARNESS_TABLE(FloatReporters, members);

HARNESS_EACH(FloatExtremes, EndNormally, bounded) {
    const std::vector<std::vector<std::string>> arg_sets = {
        {},
        {""},
        {"", "", ""},
        {"2147483647", "-2147483648", "/"},
        {"-2147483648", "-2147483648", "-", "2147483647"},
        {twenty_digits, "-" + twenty_digits, "*"},
        {long_digits, long_digits, long_digits},
        {"1e400", "-1e400", "+", "nan"},
        {"0x1p1023", "-nan", "/", "0x1p-1074", "1", "2", "3", "4", "5", "6"},
    };
    const char* program = GetParam();
    for (const auto& args : arg_sets) {
        harness::Outcome o = harness::run({.program = program, .args = args});
        std::string what = std::string(program) + " with " + std::to_string(args.size()) + " arguments";
        EXPECT_FALSE(o.timed_out) << what;
        EXPECT_EQ(o.signal, 0) << what;
        EXPECT_TRUE(o.status == 0 || o.status == 1) << what << ": " << o.describe();
        EXPECT_EQ(o.err.find("runtime error"), std::string::npos) << what << ": " << o.err;
        EXPECT_EQ(o.err.find("Sanitizer"), std::string::npos) << what << ": " << o.err;
    }
}

// The two counting programs at the extremes that keep them short.
const char* const counting[] = {"doubling_series_print", "truncated_countdown"};
HARNESS_EACH(FloatCountingExtremes, EndNormally, counting) {
    const char* program = GetParam();
    for (const std::string& arg : {std::string("-2147483648"), twenty_digits, long_digits, std::string("-1e400")}) {
        harness::Outcome o = harness::run({.program = program, .args = {arg}});
        EXPECT_EQ(o.signal, 0) << program << " " << arg.substr(0, 20);
        EXPECT_EQ(o.err, "") << program << " " << arg.substr(0, 20);
    }
}
