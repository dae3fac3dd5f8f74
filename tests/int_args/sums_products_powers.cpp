// Programs that take one integer (two in a few) from the command line and
// report a sum, a product, a factorial, a square, a power or a series
// computed from it, in int arithmetic that wraps in two's complement.
#include <algorithm>

#include "harness/harness.hpp"

using harness::Case;

namespace {

const std::string huge = "99999999999999999999";        // past long: atoi gives -1
const std::string huge_negative = "-99999999999999999999";  // past long: atoi gives 0
const std::string long_five = std::string(9999, '0') + "5";  // 10 000 bytes that read as 5

// A program that checks its argument count: `ok_args` are accepted and print
// `ok_out`; one argument fewer, no argument and (for an exact count) one more
// are refused with `refusal` and `status`.
struct Counted {
    const char* program;
    bool exact;  // exactly ok_args.size() arguments, else at least that many
    std::vector<std::string> ok_args;
    std::string ok_out;
    std::string refusal;
    int status = 1;
    bool refusal_on_stderr = false;
};

const Counted counted[] = {
    {"range_sum_product", true, {"5"}, "The sum is 10.\nThe product is 0.\n",
     "Please provide only one command-line argument.\n"},
    {"sum_and_factorial_triple", true, {"5", "x", "x"}, "Sum: 15.000000\nFactorial: 120\n",
     "Error: incorrect number of arguments\n"},
    {"consecutive_products", true, {"5"},
     "Product of 0: 0\nProduct of 1: 120\nProduct of 2: 720\nProduct of 3: 2520\nProduct of 4: 6720\n",
     "Usage: ./consecutive_products input\n"},
    {"first_numbers_sum_demo", true, {"5"}, "Sum of the first 5 numbers is: 10\nMachine code: 123\nMod of 4 is: 1\n",
     "Usage: ./first_numbers_sum_demo input\n"},
    {"range_step_sum", false, {"5", "9"}, "Sum of even numbers in the range [5, 9]: 14\n",
     "Usage: ./range_step_sum start_range end_range\n"},
    {"count_sum_below", true, {"5"}, "The sum of 5 is 10\n", "Usage: ./count_sum_below <number-of-integers>\n"},
    {"digit_sum_scan", true, {"5"}, "The sum of the digits is: 5\n", "Usage: ./digit_sum_scan integer\n"},
    {"triangular_countdown", true, {"5", "x"}, "15 10 6 3 1 ", "Usage: ./triangular_countdown <integer>\n"},
    {"digit_led_factorial", true, {"5"}, "5! is 120\n", "Please provide an argument for input."},
    {"square_and_cube", false, {"5"}, "Square: 25\nCube: 125\n", "Usage: ./square_and_cube <num>\n"},
    {"even_sum_upto", true, {"5"}, "The sum of even numbers up to 5 is 6\n", "Usage: ./even_sum_upto <n>\n"},
    {"bounded_factorial", true, {"5"}, "The factorial of 5 is: 120\nThe rounded value is: 120\n",
     "Please provide an integer argument\n"},
    {"factorial_plain", true, {"5"}, "The factorial of 5 is 120\n", "Usage: ./factorial_plain <integer>\n", 1, true},
    {"positive_factorial", true, {"5"}, "The factorial of 5 is: 120\n", "Usage: ./positive_factorial <integer>\n"},
    {"factorial_equation", true, {"5"}, "5! = 120\n", "Usage: ./factorial_equation <input>\n", 1, true},
    {"positive_square", true, {"5"}, "The square of 5 is 25.\n", "Usage: ./positive_square <integer>\n"},
    {"first_integers_sum_float", false, {"5"}, "The sum of the first 5 integers is: 10.000000\n",
     "Please enter an integer value for n.\n", 255},
    {"absolute_value_report", true, {"5"}, "Input: 5\nAbsolute value: 5\n", "Usage: ./absolute_value_report <int>\n",
     255, true},
    {"doubled_number", true, {"5"}, "Input number: 5\nDoubled number: 10\n", "Usage: ./doubled_number <number>\n"},
    {"factorial_nonnegative_check", true, {"5"}, "Factorial of 5 is 120\n", "Error: Please provide one argument\n"},
    {"cube_root_third", true, {"5"}, "The cube root of 5 is 1\n", "Please provide a valid input.\n"},
    {"factorial_exit_usage", true, {"5"}, "The factorial of 5 is 120\n", "Usage: ./factorial_exit_usage <integer-input>\n"},
    {"digit_sum_report", false, {"5"}, "Sum of digits: 5\n", "Please provide an input.\n"},
    {"factor_sum", false, {"5"}, "The sum of all factors of 5 is 5\n",
     "Error: Please provide two or more command line arguments\n"},
    {"nonnegative_square", true, {"5"}, "The square of 5 is 25.\n", "Usage: ./nonnegative_square [n]\n"},
    {"square_nonnegative_usage", true, {"5"}, "The square of 5 is 25.\n", "Usage: ./square_nonnegative_usage integer\n"},
    {"factorial_nonnegative_bang", true, {"5"}, "5! = 120\n", "Usage: ./factorial_nonnegative_bang <n>\n"},
    {"bit_reverse_report", true, {"5"}, "The reverse of 5 is 5\n", "Usage: program NUM\n"},
};

std::vector<Case> count_cases() {
    std::vector<Case> cases;
    for (const Counted& c : counted) {
        Case refused{.program = c.program, .status = c.status, .note = "refused count"};
        (c.refusal_on_stderr ? refused.err : refused.out) = c.refusal;
        refused.args.assign(c.ok_args.begin(), c.ok_args.end() - 1);
        cases.push_back(refused);
        if (c.ok_args.size() > 1) {
            refused.args.clear();
            cases.push_back(refused);
        }
        Case ok{.program = c.program, .args = c.ok_args, .out = c.ok_out};
        cases.push_back(ok);
        ok.args.push_back("extra");
        if (c.exact) {
            refused.args = ok.args;
            cases.push_back(refused);
        } else {
            ok.note = "later arguments ignored";
            cases.push_back(ok);
        }
    }
    return cases;
}

std::vector<Case> value_cases() {
    return {
        // Usage lines show the invocation name as started.
        {.program = "consecutive_products", .out = "Usage: /opt/bin/cp input\n", .status = 1, .argv0 = "/opt/bin/cp"},

        {.program = "range_sum_product", .args = {"0"}, .out = "The sum is 0.\nThe product is 1.\n"},
        {.program = "range_sum_product", .args = {""}, .out = "The sum is 0.\nThe product is 1.\n",
         .note = "empty text passes the digit check"},
        {.program = "range_sum_product", .args = {"-5"}, .out = "Input is not a valid integer.\n", .status = 1},
        {.program = "range_sum_product", .args = {"+5"}, .out = "Input is not a valid integer.\n", .status = 1},
        {.program = "range_sum_product", .args = {" 5"}, .out = "Input is not a valid integer.\n", .status = 1},
        {.program = "range_sum_product", .args = {"5a"}, .out = "Input is not a valid integer.\n", .status = 1},
        {.program = "range_sum_product", .args = {"65537"}, .out = "The sum is -2147450880.\nThe product is 0.\n",
         .note = "sum wraps"},
        {.program = "range_sum_product", .args = {"4294967301"}, .out = "The sum is 10.\nThe product is 0.\n",
         .note = "low 32 bits: 5"},
        {.program = "range_sum_product", .args = {huge}, .out = "The sum is 0.\nThe product is 1.\n"},
        {.program = "range_sum_product", .args = {long_five}, .out = "The sum is 10.\nThe product is 0.\n"},

        {.program = "sum_and_factorial_triple", .args = {"13", "", ""}, .out = "Sum: 91.000000\nFactorial: 1932053504\n"},
        {.program = "sum_and_factorial_triple", .args = {"0", "1", "2"},
         .out = "Error: input must be a positive integer\n", .status = 1},
        {.program = "sum_and_factorial_triple", .args = {"2147483648", "1", "2"},
         .out = "Error: input must be a positive integer\n", .status = 1, .note = "reads as INT_MIN"},
        {.program = "sum_and_factorial_triple", .args = {"134217730", "1", "2"},
         .out = "Sum: 9007199590285314.000000\nFactorial: 0\n",
         .note = "past 2^53 each partial sum is rounded to a double; the exact sum ends in 316"},

        {.program = "consecutive_products", .args = {"13"},
         .out = "Product of 0: 0\nProduct of 1: 1932053504\nProduct of 2: 1278945280\nProduct of 3: 1002155008\n"
                "Product of 4: -381796352\n"},
        {.program = "consecutive_products", .args = {"4294967297"},
         .out = "Product of 0: 0\nProduct of 1: 1\nProduct of 2: 2\nProduct of 3: 3\nProduct of 4: 4\n"},
        {.program = "consecutive_products", .args = {"0"}, .out = "Invalid input. Please enter a positive integer\n",
         .status = 1},
        {.program = "consecutive_products", .args = {"-5"}, .out = "Invalid input. Please enter a positive integer\n",
         .status = 1, .note = "strtoul wraps the sign into the low 32 bits"},
        {.program = "consecutive_products", .args = {huge}, .out = "Invalid input. Please enter a positive integer\n",
         .status = 1},

        {.program = "limit_sum_long", .args = {"10"}, .out = "Sum of numbers between 1 and 10: 55\n"},
        {.program = "limit_sum_long", .out = "Limit must be a positive integer.\n", .status = 1,
         .note = "missing argument reads as 0"},
        {.program = "limit_sum_long", .args = {"4294967296"}, .out = "Limit must be a positive integer.\n", .status = 1},

        {.program = "first_numbers_sum_demo", .args = {"-5"},
         .out = "Sum of the first -5 numbers is: 0\nMachine code: 123\nMod of 4 is: 1\n"},
        {.program = "first_numbers_sum_demo", .args = {"65537"},
         .out = "Sum of the first 65537 numbers is: -2147450880\nMachine code: 123\nMod of 4 is: 1\n"},

        {.program = "decimal_digit_sum_gate", .args = {"205"}, .out = "Sum of digits: 2\n",
         .note = "cut at the first 0 after the token"},
        {.program = "decimal_digit_sum_gate", .args = {"123"}, .out = "Sum of digits: 6\n",
         .note = "leading 1 skipped by the split, read from the start"},
        {.program = "decimal_digit_sum_gate", .args = {"2147483647"}, .out = "Sum of digits: 2\n"},
        {.program = "decimal_digit_sum_gate", .args = {"9876543", "x"}, .out = "Sum of digits: 42\n"},
        {.program = "decimal_digit_sum_gate", .args = {"-52"}, .out = "Sum of digits: 0\n"},
        {.program = "decimal_digit_sum_gate", .args = {" 15"}, .out = "Sum of digits: 0\n"},
        {.program = "decimal_digit_sum_gate", .args = {huge}, .out = "Sum of digits: 0\n"},
        {.program = "decimal_digit_sum_gate", .args = {long_five}, .out = "Sum of digits: 5\n"},
        {.program = "decimal_digit_sum_gate", .args = {"1101"}, .out = "Invalid input. Please enter a decimal number.\n"},
        {.program = "decimal_digit_sum_gate", .args = {""}, .out = "Invalid input. Please enter a decimal number.\n"},
        {.program = "decimal_digit_sum_gate", .out = "Invalid input. Please enter a decimal number.\n",
         .note = "missing argument taken as empty"},
        {.program = "decimal_digit_sum_gate", .args = {"205", "b", "c"}, .out = "Input is in binary format.\n"},

        {.program = "range_step_sum", .args = {"3", "9"}, .out = "Sum of even numbers in the range [3, 9]: 18\n"},
        {.program = "range_step_sum", .args = {"2", "8"}, .out = "Sum of even numbers in the range [2, 8]: 20\n"},
        {.program = "range_step_sum", .args = {"-5", "-1"}, .out = "Sum of even numbers in the range [-5, -1]: -6\n"},
        {.program = "range_step_sum", .args = {"x", ""}, .out = "Sum of even numbers in the range [0, 0]: 0\n"},
        {.program = "range_step_sum", .args = {"9", "3"},
         .out = "Invalid range: start must be less than or equal to end\n", .status = 1},
        {.program = "range_step_sum", .args = {"2147483640", "2147483647"},
         .out = "Sum of even numbers in the range [2147483640, 2147483647]: -20\n", .note = "ends at INT_MAX"},
        {.program = "range_step_sum", .args = {"-2147483648", "-2147483640"},
         .out = "Sum of even numbers in the range [-2147483648, -2147483640]: -2147483628\n"},

        {.program = "count_sum_below", .args = {"0"}, .out = "The sum of 0 is 0\n"},
        {.program = "count_sum_below", .args = {"65537"}, .out = "The sum of 65537 is -2147450880\n"},
        {.program = "count_sum_below", .args = {"-1"}, .out = "Error: number-of-integers must be a positive integer\n",
         .status = 1},
        {.program = "count_sum_below", .args = {"2147483648"},
         .out = "Error: number-of-integers must be a positive integer\n", .status = 1},

        {.program = "digit_sum_scan", .args = {"1234"}, .out = "The sum of the digits is: 10\n"},
        {.program = "digit_sum_scan", .args = {" +42x"}, .out = "The sum of the digits is: 6\n"},
        {.program = "digit_sum_scan", .args = {"-123"}, .out = "The sum of the digits is: 0\n"},
        {.program = "digit_sum_scan", .args = {"4294967306"}, .out = "The sum of the digits is: 1\n",
         .note = "low 32 bits: 10"},
        {.program = "digit_sum_scan", .args = {huge}, .out = "The sum of the digits is: 0\n"},
        {.program = "digit_sum_scan", .args = {"abc"}, .out = "Invalid input. Please enter an integer.\n", .status = 1},
        {.program = "digit_sum_scan", .args = {"-"}, .out = "Invalid input. Please enter an integer.\n", .status = 1},
        {.program = "digit_sum_scan", .args = {""}, .out = "Invalid input. Please enter an integer.\n", .status = 1},
        {.program = "digit_sum_scan", .args = {"  "}, .out = "Invalid input. Please enter an integer.\n", .status = 1},

        {.program = "triangular_countdown", .args = {"1", ""}, .out = "1 "},
        {.program = "triangular_countdown", .args = {"0", ""}},
        {.program = "triangular_countdown", .args = {"-2147483648", ""}},

        {.program = "factorial_table", .args = {"14"},
         .out = "1\n1\n2\n6\n24\n120\n720\n5040\n40320\n362880\n3628800\n39916800\n479001600\n1932053504\n1278945280\n"},
        {.program = "factorial_table", .args = {"0"}, .out = "1\n"},
        {.program = "factorial_table", .out = "1\n", .note = "missing argument reads as 0"},
        {.program = "factorial_table", .args = {"-1"}},
        {.program = "factorial_table", .args = {"-2147483648"}},

        {.program = "even_sum_from_one", .args = {"10"}, .out = "Sum of all even numbers from 1 to 10: 30\n"},
        {.program = "even_sum_from_one", .args = {"1"}, .out = "Sum of all even numbers from 1 to 1: 0\n"},
        {.program = "even_sum_from_one", .args = {"92682"}, .out = "Sum of all even numbers from 1 to 92682: -2147432674\n"},
        {.program = "even_sum_from_one", .args = {"0"}, .out = "Invalid input! Please enter a positive integer.\n",
         .status = 1},
        {.program = "even_sum_from_one", .out = "Invalid input! Please enter a positive integer.\n", .status = 1},

        {.program = "last_digit_repeat", .args = {"12"}, .out = "222222222222"},
        {.program = "last_digit_repeat", .args = {"10"}, .out = "0000000000"},
        {.program = "last_digit_repeat", .args = {"10003"}, .out = std::string(10003, '3')},
        {.program = "last_digit_repeat", .args = {"0"}, .err = "Error: input must be a positive integer.\n", .status = 1},
        {.program = "last_digit_repeat", .args = {"-7"}, .err = "Error: input must be a positive integer.\n", .status = 1},
        {.program = "last_digit_repeat", .err = "Error: input must be a positive integer.\n", .status = 1},

        {.program = "digit_led_factorial", .args = {"13"}, .out = "13! is 1932053504\n"},
        {.program = "digit_led_factorial", .args = {"20"}, .out = "20! is 2192834560\n", .note = "unsigned, no sign"},
        {.program = "digit_led_factorial", .args = {"0"}, .out = "0! is 1\n"},
        {.program = "digit_led_factorial", .args = {"5abc"}, .out = "5! is 120\n"},
        {.program = "digit_led_factorial", .args = {huge}, .out = "-1! is 1\n"},
        {.program = "digit_led_factorial", .args = {"-5"}, .out = "Invalid input format\n", .status = 1},
        {.program = "digit_led_factorial", .args = {" 5"}, .out = "Invalid input format\n", .status = 1},
        {.program = "digit_led_factorial", .args = {""}, .out = "Invalid input format\n", .status = 1},

        {.program = "pair_step_sum", .args = {"3", "9"}, .out = "The sum of 3 and 9 is 24\n"},
        {.program = "pair_step_sum", .args = {"2", "8"}, .out = "The sum of 2 and 8 is 20\n"},
        {.program = "pair_step_sum", .args = {"9", "3"}, .out = "The sum of 9 and 3 is 0\n"},
        {.program = "pair_step_sum", .args = {"1"}, .out = "The sum of 1 and 0 is 0\n", .note = "missing b reads as 0"},
        {.program = "pair_step_sum", .out = "The sum of 0 and 0 is 0\n"},
        {.program = "pair_step_sum", .args = {"2147483645", "2147483647"},
         .out = "The sum of 2147483645 and 2147483647 is -4\n", .note = "steps past INT_MAX and stops"},
        {.program = "pair_step_sum", .args = {"-2147483648", "-2147483646"},
         .out = "The sum of -2147483648 and -2147483646 is 2\n"},

        {.program = "triangular_series", .args = {"4"}, .out = "Sum: 1\nSum: 3\nSum: 6\nSum: 10\n"},
        {.program = "triangular_series", .args = {"0"}},
        {.program = "triangular_series", .args = {"-5"}},
        {.program = "triangular_series"},

        {.program = "square_and_cube", .args = {"0"}, .out = "Square: 0\nCube: 0\n"},
        {.program = "square_and_cube", .args = {"46341"}, .out = "Square: -2147479015\nCube: -1932785795\n"},
        {.program = "square_and_cube", .args = {"-1"}, .out = "Invalid input. Number must be positive.\n", .status = 1},

        {.program = "even_sum_upto", .args = {"11"}, .out = "The sum of even numbers up to 11 is 30\n"},
        {.program = "even_sum_upto", .args = {"1"}, .out = "The sum of even numbers up to 1 is 0\n"},
        {.program = "even_sum_upto", .args = {"-10"}, .out = "The sum of even numbers up to -10 is 0\n"},

        {.program = "bounded_square", .args = {"1"}, .out = "1\n"},
        {.program = "bounded_square", .args = {"99"}, .out = "9801\n"},
        {.program = "bounded_square", .args = {"12" + std::string(9998, 'x')}, .out = "144\n",
         .note = "10 000 bytes, copy bounded"},
        {.program = "bounded_square", .args = {"100"},
         .out = "Invalid input. Please enter a valid integer between 1 and 99.", .status = 1},
        {.program = "bounded_square", .args = {"0"},
         .out = "Invalid input. Please enter a valid integer between 1 and 99.", .status = 1},
        {.program = "bounded_square", .out = "Invalid input. Please enter a valid integer between 1 and 99.",
         .status = 1, .note = "missing argument reads as 0"},

        {.program = "bounded_factorial", .args = {"0"}, .out = "The factorial of 0 is: 1\nThe rounded value is: 1\n"},
        {.program = "bounded_factorial", .args = {"13"},
         .out = "The factorial of 13 is: 1932053504\nThe rounded value is: 1932053504\n"},
        {.program = "bounded_factorial", .args = {"100"}, .out = "The factorial of 100 is: 0\nThe rounded value is: 0\n"},
        {.program = "bounded_factorial", .args = {"101"}, .out = "Number must be between 1 and 100\n", .status = 2},
        {.program = "bounded_factorial", .args = {"-1"}, .out = "Number must be between 1 and 100\n", .status = 2},

        {.program = "small_range_sum", .args = {"10"},
         .out = "Please enter a number between 1 and 10: The sum of all numbers from 1 to 10 is: 55\n"},
        {.program = "small_range_sum", .args = {"11"}, .out = "Please enter a number between 1 and 10: Invalid input!\n",
         .status = 1},
        {.program = "small_range_sum", .args = {"0"}, .out = "Please enter a number between 1 and 10: Invalid input!\n",
         .status = 1},
        {.program = "small_range_sum", .out = "Please enter a number between 1 and 10: Invalid input!\n", .status = 1},

        {.program = "factorial_plain", .args = {"13"}, .out = "The factorial of 13 is 1932053504\n"},
        {.program = "factorial_plain", .args = {"17"}, .out = "The factorial of 17 is -288522240\n"},
        {.program = "factorial_plain", .args = {"-4"}, .out = "The factorial of -4 is 1\n"},
        {.program = "factorial_plain", .args = {"abc"}, .out = "The factorial of 0 is 1\n"},
        {.program = "positive_factorial", .args = {"13"}, .out = "The factorial of 13 is: 1932053504\n"},
        {.program = "positive_factorial", .args = {"0"}, .out = "Invalid input. Please enter a positive integer.\n",
         .status = 2},
        {.program = "positive_factorial", .args = {"-3"}, .out = "Invalid input. Please enter a positive integer.\n",
         .status = 2},
        {.program = "factorial_equation", .args = {"-2"}, .out = "-2! = 1\n"},
        {.program = "factorial_equation", .args = {"34"}, .out = "34! = 0\n"},
        {.program = "factorial_nonnegative_check", .args = {"0"}, .out = "Factorial of 0 is 1\n"},
        {.program = "factorial_nonnegative_check", .args = {"1"}, .out = "Factorial of 1 is 1\n"},
        {.program = "factorial_nonnegative_check", .args = {"-1"}, .out = "Error: Number must be non-negative\n",
         .status = 1},
        {.program = "factorial_exit_usage", .args = {"2147483648"}, .out = "The factorial of -2147483648 is 1\n"},
        {.program = "factorial_exit_usage", .args = {"14"}, .out = "The factorial of 14 is 1278945280\n"},
        {.program = "factorial_nonnegative_bang", .args = {"0"}, .out = "0! = 1\n"},
        {.program = "factorial_nonnegative_bang", .args = {"-5"}, .out = "Invalid input: -5\n", .status = 1},
        {.program = "factorial_nonnegative_bang", .args = {huge}, .out = "Invalid input: -1\n", .status = 1},

        {.program = "power_of_two_float", .args = {"3"}, .out = "8.000000\n"},
        {.program = "power_of_two_float", .args = {"10"}, .out = "1024.000000\n"},
        {.program = "power_of_two_float", .args = {"31"}, .out = "2147483648.000000\n"},
        {.program = "power_of_two_float", .args = {"0"}, .out = "1.000000\n"},
        {.program = "power_of_two_float", .out = "1.000000\n", .note = "missing argument reads as 0"},
        {.program = "power_of_two_float", .args = {"1023"},
         .out = "898846567431157953864652595394512366808988489471153286367150405788663379027504815663542386612037680105600"
                "569399356966788293948844072083112464237153197370621888839467124327426381511098006230470597265414760425028"
                "84419075341171231440736956555270413618581675255342293149119973622969239858152417678164812112068608.000000\n"},
        {.program = "power_of_two_float", .args = {"1024"}, .out = "inf\n"},
        {.program = "power_of_two_float", .args = {"2147483647"}, .out = "inf\n"},
        {.program = "power_of_two_float", .args = {"-1"}, .out = "0.500000\n", .note = "negative: the reciprocal"},
        {.program = "power_of_two_float", .args = {"-2"}, .out = "0.250000\n"},
        {.program = "power_of_two_float", .args = {"-20"}, .out = "0.000001\n"},
        {.program = "power_of_two_float", .args = {"-2147483648"}, .out = "0.000000\n"},

        {.program = "positive_square", .args = {"46341"}, .out = "The square of 46341 is -2147479015.\n"},
        {.program = "positive_square", .args = {"4294967303"}, .out = "The square of 7 is 49.\n"},
        {.program = "positive_square", .args = {"0"}, .out = "Invalid input. Please enter a positive integer.\n",
         .status = 1},
        {.program = "nonnegative_square", .args = {"0"}, .out = "The square of 0 is 0.\n"},
        {.program = "nonnegative_square", .args = {"2147483647"}, .out = "The square of 2147483647 is 1.\n"},
        {.program = "nonnegative_square", .args = {"-1"}, .out = "Error: input must be a non-negative integer.\n",
         .status = 1},
        {.program = "square_nonnegative_usage", .args = {"46341"}, .out = "The square of 46341 is -2147479015.\n"},
        {.program = "square_nonnegative_usage", .args = {"-2147483648"},
         .out = "Invalid input. Please enter a non-negative integer.\n", .status = 1},

        {.program = "first_integers_sum_float", .args = {"0"}, .out = "The sum of the first 0 integers is: 0.000000\n"},
        {.program = "first_integers_sum_float", .args = {"-3"}, .out = "The sum of the first -3 integers is: 0.000000\n"},
        {.program = "first_integers_sum_float", .args = {"100000"},
         .out = "The sum of the first 100000 integers is: 4999950000.000000\n", .note = "no int wrap"},
        {.program = "first_integers_sum_float", .args = {"134217731"},
         .out = "The sum of the first 134217731 integers is: 9007199590285314.000000\n",
         .note = "past 2^53 each partial sum is rounded to a double; the exact sum ends in 316"},

        {.program = "absolute_value_report", .args = {"-5"}, .out = "Input: -5\nAbsolute value: 5\n"},
        {.program = "absolute_value_report", .args = {"-2147483648"},
         .out = "Input: -2147483648\nAbsolute value: -2147483648\n"},
        {.program = "absolute_value_report", .args = {"2147483648"},
         .out = "Input: -2147483648\nAbsolute value: -2147483648\n"},
        {.program = "absolute_value_report", .args = {"abc"}, .out = "Input: 0\nAbsolute value: 0\n"},

        {.program = "fibonacci_lines", .args = {"7"}, .out = "1\n2\n3\n5\n8\n"},
        {.program = "fibonacci_lines", .args = {"2"}},
        {.program = "fibonacci_lines", .args = {"1"}},
        {.program = "fibonacci_lines", .args = {"0"}, .out = "Error: input must be a positive integer.\n", .status = 1},
        {.program = "fibonacci_lines", .out = "Error: input must be a positive integer.\n", .status = 1},

        {.program = "doubled_number", .args = {"2147483647"}, .out = "Input number: 2147483647\nDoubled number: -2\n"},
        {.program = "doubled_number", .args = {"-2147483648"}, .out = "Input number: -2147483648\nDoubled number: 0\n"},
        {.program = "doubled_number", .args = {"0"}, .out = "Error: input cannot be zero\n", .status = 1},
        {.program = "doubled_number", .args = {"abc"}, .out = "Error: input cannot be zero\n", .status = 1},

        {.program = "cube_root_third", .args = {"0"}, .out = "The cube root of 0 is 0\n"},
        {.program = "cube_root_third", .args = {"7"}, .out = "The cube root of 7 is 1\n"},
        {.program = "cube_root_third", .args = {"8"}, .out = "The cube root of 8 is 2\n"},
        {.program = "cube_root_third", .args = {"26"}, .out = "The cube root of 26 is 2\n"},
        {.program = "cube_root_third", .args = {"27"}, .out = "Invalid input. Number should be between 0 and 26."},
        {.program = "cube_root_third", .args = {"-1"}, .out = "Invalid input. Number should be between 0 and 26."},

        {.program = "digit_sum_report", .args = {"2147483647"}, .out = "Sum of digits: 46\n"},
        {.program = "digit_sum_report", .args = {"-1234"}, .out = "Sum of digits: 0\n"},
        {.program = "digit_sum_report", .args = {long_five}, .out = "Sum of digits: 5\n"},

        {.program = "factor_sum", .args = {"12"}, .out = "The sum of all factors of 12 is 27\n"},
        {.program = "factor_sum", .args = {"65536"}, .out = "The sum of all factors of 65536 is 131070\n"},
        {.program = "factor_sum", .args = {"1"}, .out = "The sum of all factors of 1 is 0\n"},
        {.program = "factor_sum", .args = {"-12"}, .out = "The sum of all factors of -12 is 0\n"},

        {.program = "times_ten_report", .args = {"5"}, .out = "50"},
        {.program = "times_ten_report", .args = {"214748365"}, .out = "-2147483646"},
        {.program = "times_ten_report", .args = {"0"}, .out = "Invalid input. Please enter a valid integer.", .status = 1},
        {.program = "times_ten_report", .out = "Invalid input. Please enter a valid integer.", .status = 1},
        {.program = "times_ten_report", .args = {"-1"}, .out = "Value must be non-negative.\n", .status = 2},

        {.program = "bit_reverse_report", .args = {"6"}, .out = "The reverse of 6 is 3\n"},
        {.program = "bit_reverse_report", .args = {"8"}, .out = "The reverse of 8 is 1\n"},
        {.program = "bit_reverse_report", .args = {"11"}, .out = "The reverse of 11 is 13\n"},
        {.program = "bit_reverse_report", .args = {"2147483647"}, .out = "The reverse of 2147483647 is 2147483647\n"},
        {.program = "bit_reverse_report", .args = {"-8"}, .out = "The reverse of -8 is 0\n"},
    };
}

const std::vector<Case> count_table = count_cases();
const std::vector<Case> value_table = value_cases();

}  // namespace

HARNESS_TABLE(SumsProductsPowersCounts, count_table);
HARNESS_TABLE(SumsProductsPowers, value_table);

// Loops that run up to INT_MAX end, with the wrapped results; they take a few
// seconds under the sanitizers.
struct LongRun {
    const char* program;
    const char* arg;
    const char* out;
};
const LongRun long_runs[] = {
    {"factorial_plain", "2147483647", "The factorial of 2147483647 is 0\n"},
    {"limit_sum_long", "2147483647", "Sum of numbers between 1 and 2147483647: 2305843008139952128\n"},
    {"even_sum_upto", "2147483647", "The sum of even numbers up to 2147483647 is -1073741824\n"},
};
HARNESS_LABELS(factorial_plain, slow)
HARNESS_LABELS(limit_sum_long, slow)
HARNESS_LABELS(even_sum_upto, slow)
HARNESS_LABELS(million_step_walk, slow)
HARNESS_LABELS(factorial_table, slow)

HARNESS_EACH(SumsProductsPowersIntMax, RunToIntMax, long_runs) {
    const LongRun& r = GetParam();
    harness::Outcome o = harness::run({.program = r.program, .args = {r.arg}, .timeout_seconds = 120});
    EXPECT_EQ(o.status, 0) << r.program << ": " << o.describe();
    EXPECT_TRUE(harness::same_bytes(std::string(r.program) + " stdout", r.out, o.out));
    EXPECT_EQ(o.err, "");
}

PROGRAM_TEST(SumsProductsPowersLoops, MillionStepWalk, "million_step_walk") {
    harness::Outcome o = harness::run({.program = "million_step_walk", .args = {"5"}});
    EXPECT_EQ(o.status, 0) << o.describe();
    EXPECT_TRUE(harness::same_bytes("stdout", "2\n2\n2\n1\n1\n2\n1\n1\n1\n" + harness::repeat("0\n", 999991), o.out));

    // Halving truncates toward zero: -1 / 2 is 0, not -1 as a shift would give.
    o = harness::run({.program = "million_step_walk", .args = {"-3"}});
    EXPECT_EQ(o.status, 0) << o.describe();
    EXPECT_TRUE(harness::same_bytes("stdout", "-1\n-1\n-1\n" + harness::repeat("0\n", 999997), o.out));

    o = harness::run({.program = "million_step_walk", .args = {"-2147483648"}});
    EXPECT_EQ(o.status, 0) << o.describe();
    EXPECT_TRUE(o.out.starts_with("-1073741824\n-1073741824\n-1073741824\n-536870912\n-536870912\n-1073741824\n"));
    EXPECT_TRUE(o.out.ends_with("\n0\n"));
    EXPECT_EQ(std::count(o.out.begin(), o.out.end(), '\n'), 1000000);
}

PROGRAM_TEST(SumsProductsPowersLoops, LongFibonacci, "fibonacci_lines") {
    // 48 Fibonacci lines, wrapping past INT_MAX after 1836311903.
    harness::Outcome o = harness::run({.program = "fibonacci_lines", .args = {"50"}});
    EXPECT_EQ(o.status, 0) << o.describe();
    EXPECT_EQ(std::count(o.out.begin(), o.out.end(), '\n'), 48);
    EXPECT_TRUE(o.out.starts_with("1\n2\n3\n5\n8\n"));
    EXPECT_TRUE(o.out.ends_with("\n1134903170\n1836311903\n-1323752223\n512559680\n-811192543\n"));
}

PROGRAM_TEST(SumsProductsPowersLoops, LongFactorialTable, "factorial_table") {
    // 100 001 table entries: every factorial from 34! on is 0 in 32 bits.
    harness::Outcome o = harness::run({.program = "factorial_table", .args = {"100000"}});
    EXPECT_EQ(o.status, 0) << o.describe();
    EXPECT_EQ(std::count(o.out.begin(), o.out.end(), '\n'), 100001);
    EXPECT_TRUE(o.out.starts_with("1\n1\n2\n6\n"));
    EXPECT_TRUE(o.out.ends_with("\n0\n0\n"));
}

// A long table is printed whole even where memory for n+1 ints at once is not
// to be had: 5 000 001 entries (20 MB of ints) under a 16 MiB data limit.
PROGRAM_TEST(SumsProductsPowersLoops, LongTableUnderMemoryLimit, "factorial_table") {
    if (const char* why = harness::data_limit_unusable()) GTEST_SKIP() << why;
    harness::Outcome o = harness::run({.program = "factorial_table", .args = {"5000000"}, .data_limit = 16UL << 20});
    EXPECT_EQ(o.status, 0) << o.describe();
    EXPECT_EQ(o.err, "");
    EXPECT_EQ(std::count(o.out.begin(), o.out.end(), '\n'), 5000001);
    EXPECT_TRUE(o.out.starts_with("1\n1\n2\n6\n24\n"));
    EXPECT_TRUE(o.out.ends_with("\n0\n0\n"));
}

// Every program, given texts at the extremes as each of its arguments, ends
// normally: no signal, no sanitizer report.
struct Arity {
    const char* program;
    int count;  // arguments it takes
};
const Arity arities[] = {
        {"range_sum_product", 1}, {"sum_and_factorial_triple", 3}, {"consecutive_products", 1},
        {"limit_sum_long", 1}, {"first_numbers_sum_demo", 1}, {"decimal_digit_sum_gate", 1},
        {"range_step_sum", 2}, {"count_sum_below", 1}, {"digit_sum_scan", 1}, {"triangular_countdown", 2},
        {"factorial_table", 1}, {"even_sum_from_one", 1}, {"last_digit_repeat", 1}, {"digit_led_factorial", 1},
        {"pair_step_sum", 2}, {"triangular_series", 1}, {"square_and_cube", 1}, {"even_sum_upto", 1},
        {"bounded_square", 1}, {"bounded_factorial", 1}, {"small_range_sum", 1}, {"factorial_plain", 1},
        {"positive_factorial", 1}, {"factorial_equation", 1}, {"power_of_two_float", 1}, {"positive_square", 1},
        {"first_integers_sum_float", 1}, {"absolute_value_report", 1}, {"fibonacci_lines", 1},
        {"doubled_number", 1}, {"factorial_nonnegative_check", 1}, {"cube_root_third", 1},
        {"factorial_exit_usage", 1}, {"digit_sum_report", 1}, {"factor_sum", 1}, {"nonnegative_square", 1},
        {"square_nonnegative_usage", 1}, {"times_ten_report", 1}, {"factorial_nonnegative_bang", 1},
        {"bit_reverse_report", 1},
};

HARNESS_EACH(SumsProductsPowersExtremes, ExtremeTexts, arities) {
    const auto& [program, count] = GetParam();
    const std::string texts[] = {"", "-2147483648", huge, huge_negative, long_five, std::string(10000, 'z')};
    for (const std::string& text : texts) {
        harness::Outcome o = harness::run({.program = program, .args = std::vector<std::string>(count, text)});
        EXPECT_EQ(o.signal, 0) << program << " \"" << text.substr(0, 24) << "\": " << o.describe();
        EXPECT_FALSE(o.timed_out) << program;
        EXPECT_EQ(o.err.find("Sanitizer"), std::string::npos) << program << ": " << o.err;
        EXPECT_EQ(o.err.find("runtime error"), std::string::npos) << program << ": " << o.err;
    }
}
