// Programs that walk a list of integer arguments, or validate one integer
// argument (by scan counts, character classes or ranges) and echo it or a
// simple function of it.
#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "harness/harness.hpp"

using harness::Case;
using harness::Run;

namespace {

const std::string big = "99999999999999999999";  // strtol saturates; low 32 bits are -1
const std::string nul(1, '\0');

const std::vector<Case> list_table = {
    {.program = "even_sum_of_listed", .args = {"4", "2", "3", "-4", "6", "100"},
     .out = "Enter 4 numbers: Sum of even numbers: 4\n", .note = "argument after n+1 not read"},
    {.program = "even_sum_of_listed", .args = {"5", "2", "x"}, .out = "Enter 5 numbers: Sum of even numbers: 2\n",
     .note = "fewer values than n"},
    {.program = "even_sum_of_listed", .out = "Enter 0 numbers: Sum of even numbers: 0\n"},
    {.program = "even_sum_of_listed", .args = {"2", "2147483646", "2"},
     .out = "Enter 2 numbers: Sum of even numbers: -2147483648\n", .note = "wraps"},

    {.program = "array_elements_echo", .args = {"1", "7"}, .out = "Array elements: 7 \n"},
    {.program = "array_elements_echo", .args = {"3", "7"}, .out = "Array elements: 7 \n",
     .note = "only the values present"},
    {.program = "array_elements_echo", .args = {"0", "7"}, .out = "Array elements: \n"},
    {.program = "array_elements_echo", .args = {"1"}, .out = "Error: incorrect input\n", .status = 1},
    {.program = "array_elements_echo", .args = {"1", "2", "3"}, .out = "Error: incorrect input\n", .status = 1},

    {.program = "repeated_first_sum", .args = {"12", "x"}, .out = "The sum is: 24\n"},
    {.program = "repeated_first_sum", .args = {"5", "x", "y"}, .out = "The sum is: 5\n",
     .note = "short first argument: unfilled slots are 0"},
    {.program = "repeated_first_sum", .out = "The sum is: 0\n"},
    {.program = "repeated_first_sum", .args = std::vector<std::string>(150, std::string(200, '1').replace(0, 1, "2")),
     .out = "The sum is: -102\n", .note = "list of 102 slots; each value saturates to -1"},

    {.program = "ten_values_sum", .args = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"},
     .out = "Input values: 1, 2, 3, 4, 5, 6, 7, 8, 9, 10\nSum of input values: 55\n", .note = "eleventh ignored"},
    {.program = "ten_values_sum", .args = {"2147483647", "1"},
     .out = "Input values: 2147483647, 1, 0, 0, 0, 0, 0, 0, 0, 0\nSum of input values: -2147483648\n"},

    {.program = "entered_values_report", .args = {"1", "x"},
     .out = "The number of arguments: 2\nInvalid input format. Please enter an integer.\n"},
    {.program = "entered_values_report", .args = {"x", " -7z", big},
     .out = "The number of arguments: 3\nYou entered: -7\nYou entered: -1\n"},
    {.program = "entered_values_report", .out = "You need to pass at least one argument.\n"},

    {.program = "positive_inputs_sum", .args = {"5", "3", "-1", "7"},
     .out = "Sum of 5 and all positive integer inputs: 8\n"},
    {.program = "positive_inputs_sum", .args = {"2147483647", "1"},
     .out = "Sum of 2147483647 and all positive integer inputs: -2147483648\n"},
    {.program = "positive_inputs_sum", .args = {"0", "3"}, .out = "Invalid input: 0\n", .status = 1},
    {.program = "positive_inputs_sum", .args = {"5"}, .out = "Usage: ./program <n>\n", .status = 1},

    {.program = "maximum_value_notice", .args = {"3", "x", "17", "-4"}, .out = "Maximum value is 17\n"},
    {.program = "maximum_value_notice", .args = {"-9", "-3"}, .out = "Maximum value is -3\n"},
    {.program = "maximum_value_notice", .args = {"0", "-3"}, .out = "No valid input found.\n",
     .note = "a maximum of 0"},
    {.program = "maximum_value_notice", .args = {"x"}, .out = "No valid input found.\n"},
    {.program = "maximum_value_notice", .out = "No valid input found.\n"},

    {.program = "per_argument_parity", .args = {"9", "3", "-4", "x"},
     .out = "Input: 3\nOutput: Odd\nInput: -4\nOutput: Even\nInput: 0\nOutput: Even\n"},
    {.program = "per_argument_parity", .args = {"3"}, .out = ""},

    {.program = "value_labels_by_position", .args = {"0", "1", "2", "3", "4", "5"},
     .out = "Original value: 1\nOriginal value: 2\nOriginal value: 3\nOptimized value: 4\nOriginal value: 5\n"},
    {.program = "value_labels_by_position", .args = {"0"}, .out = ""},
    {.program = "value_labels_by_position", .out = "Please provide an argument for the optimization program.\n",
     .status = 255},

    {.program = "first_ten_sum_product", .args = {"2", "-3", "x5"}, .out = "Sum: -1\nProduct: -0.000000\n"},
    {.program = "first_ten_sum_product", .args = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"},
     .out = "Sum: 55\nProduct: 3628800.000000\n"},
    {.program = "first_ten_sum_product", .args = {"2147483647", "2147483647", "3"},
     .out = "Sum: 1\nProduct: 13835058042397261824.000000\n", .note = "sum shown by its low 32 bits"},
    {.program = "first_ten_sum_product", .out = "Sum: 0\nProduct: 1.000000\n"},
    {.program = "first_ten_sum_product", .args = {"1147492917", "1672999414", "1367192707"},
     .out = "Sum: -107282258\nProduct: 2624675004752265261936017408.000000\n",
     .note = "each product rounded once to a double"},

    {.program = "indexed_values_echo", .args = {"4", "x", big}, .out = "Value 0: 4\nValue 1: 0\nValue 2: -1\n"},
    {.program = "indexed_values_echo", .out = ""},

    {.program = "digit_led_arguments_sum", .args = {"1", "-5", "x", "7y", " 3", "+2"}, .out = "The sum is 8\n"},
    {.program = "digit_led_arguments_sum", .out = "The sum is 0\n"},

    {.program = "halved_large_values", .args = {"4", "30", "-2", "8"},
     .out = "The result is 4\nThe result is 15\nInvalid input\n", .status = 1},
    {.program = "halved_large_values", .args = {"10", "11", "2147483647"},
     .out = "The result is 10\nThe result is 5\nThe result is 1073741823\n"},
    {.program = "halved_large_values", .out = ""},

    {.program = "integer_lines_echo", .args = {"12", "-3x", "abc", "4294967297", ""}, .out = "12\n-3\n0\n1\n0\n"},
    {.program = "integer_lines_echo", .out = ""},

    {.program = "star_product_check", .args = {"1"}, .out = "Product of first 1 integers is 1.\n"},
    {.program = "star_product_check", .args = {"-5", "x"}, .out = "Product of first -5 integers is 1.\n"},
    {.program = "star_product_check", .out = "Product of first 0 integers is 1.\n"},
    {.program = "star_product_check", .args = {"3", "4", "*", "5"}, .out = "Invalid character: *\n", .status = 1},
    {.program = "star_product_check", .args = {"2", "4"}, .out = "Invalid character: " + nul + "\n", .status = 1,
     .note = "missing argument 3 is empty text"},

    {.program = "counted_words_echo", .args = {"3"}, .out = "", .note = "no words after the count"},
    {.program = "counted_words_echo", .args = {"-1"}, .out = ""},
    {.program = "counted_words_echo", .args = {"x"},
     .err = "Usage: ./counted_words_echo <input> [input2] ... [inputN], where N is the number of inputs.\n",
     .status = 1},
    {.program = "counted_words_echo", .args = {"2", "a", "b"},
     .err = "Usage: ./counted_words_echo <input> [input2] ... [inputN], where N is the number of inputs.\n",
     .status = 1},
};

const std::vector<Case> value_table = {
    {.program = "scanned_input_echo", .args = {" -42abc"}, .out = "The input is -42\n"},
    {.program = "scanned_input_echo", .args = {big}, .out = "The input is -1\n"},
    {.program = "scanned_input_echo", .args = {"abc"}, .out = "Invalid input. Please enter an integer.\n", .status = 2},
    {.program = "scanned_input_echo", .out = "Usage: ./scanned_input_echo integer\n", .status = 1},
    {.program = "scanned_input_echo", .args = {"1", "2"}, .out = "Usage: /x/y integer\n", .status = 1,
     .argv0 = "/x/y"},

    {.program = "positive_scan_stderr", .args = {"7"}, .out = "Input: 7\n"},
    {.program = "positive_scan_stderr", .args = {"0"}, .err = "Error: input must be a positive integer.\n",
     .status = 1},
    {.program = "positive_scan_stderr", .args = {"q"}, .err = "Error: invalid input. Please enter an integer.\n",
     .status = 1},
    {.program = "positive_scan_stderr", .err = "Error: invalid input. Please enter an integer.\n", .status = 1},

    {.program = "duplicated_text_number", .args = {"-12ab"}, .out = "-12\n"},
    {.program = "duplicated_text_number", .args = {"4294967298"}, .out = "2\n"},
    {.program = "duplicated_text_number", .out = "Usage: ./duplicated_text_number <input-string>\n", .status = 1},

    {.program = "nonzero_input_echo", .args = {"-8"}, .out = "Input: -8\n"},
    {.program = "nonzero_input_echo", .args = {"4294967296"}, .out = "Error: invalid input\n", .status = 1,
     .note = "low 32 bits are 0"},
    {.program = "nonzero_input_echo", .out = "Error: too few or too many arguments\n", .status = 1},

    {.program = "bounded_value_prompt", .args = {"100x"},
     .out = "Please enter a value:\nInput value: 100x\nThe number is 100\n"},
    {.program = "bounded_value_prompt", .args = {"101"}, .out = "Please enter a value:\n",
     .err = "Error: Input too large.\n", .status = 1},
    {.program = "bounded_value_prompt", .out = "Please enter a value:\nInput value: (null)\nThe number is 0\n"},

    {.program = "input_and_greeting_word", .args = {"9z", "w"}, .out = "Input: 9\nInput: hello\n"},
    {.program = "input_and_greeting_word", .out = "No input provided.\n", .status = 1},

    {.program = "copied_int_and_double", .args = {"-25"}, .out = "Result: -25\nDouble Result: -25.000000\n"},
    {.program = "copied_int_and_double", .args = {std::string(99, ' ') + "5"},
     .out = "Result: 0\nDouble Result: 0.000000\n", .note = "copy holds the first 99 characters"},
    {.program = "copied_int_and_double", .out = "Usage: ./copied_int_and_double <input>\n", .status = 1},

    {.program = "int_and_double_scan", .args = {"3", "2.5e1"}, .out = "Input integer: 3\nInput floating-point: 25.000000\n"},
    {.program = "int_and_double_scan", .args = {"3"},
     .out = "Error: invalid input. Please enter a valid floating-point number.\n", .status = 1},
    {.program = "int_and_double_scan", .args = {"x", "1"},
     .out = "Error: invalid input. Please enter a valid integer.\n", .status = 1},

    {.program = "integer_with_suffix", .args = {"12", "++"}, .out = "The integer is: 12\n"},
    {.program = "integer_with_suffix", .args = {"a", "++"},
     .out = "Invalid input. Please enter an integer and its suffix (e.g., '++' or '-1') as command-line arguments."},
    {.program = "integer_with_suffix", .args = {"12"},
     .out = "Invalid input. Please enter an integer and its suffix (e.g., '++' or '-1') as command-line arguments."},

    {.program = "number_word_check", .args = {"  42abc more"}, .out = "42abc is a number.\n"},
    {.program = "number_word_check", .args = {"x1", "2"}, .out = "x1 is not a number.\n"},
    {.program = "number_word_check", .args = {"  "}, .out = " is not a number.\n", .note = "no word: empty"},
    {.program = "number_word_check", .args = {std::string(150, '7')}, .out = std::string(100, '7') + " is a number.\n",
     .note = "word cut to 100 characters"},
    {.program = "number_word_check", .out = "Usage: ./number_word_check <input>\n", .status = 1},

    {.program = "binary_text_value", .args = {"0101"}, .out = "Input: 0101\nOutput: 5\n"},
    {.program = "binary_text_value", .args = {std::string(32, '1')}, .out = "Input: " + std::string(32, '1') + "\nOutput: -1\n"},
    {.program = "binary_text_value", .args = {""}, .out = "Input: \nOutput: 0\n"},
    {.program = "binary_text_value", .args = {"012"}, .out = "Error: input is not a valid binary number\n", .status = 1},
    {.program = "binary_text_value", .out = "Error: insufficient input\n", .status = 1},

    {.program = "limit_tested_value", .args = {"2147483647"}, .out = "2147483647\n"},
    {.program = "limit_tested_value", .args = {"2147483648"}, .out = "Error: maximum value limit exceeded\n"},
    {.program = "limit_tested_value", .args = {"-2147483649"}, .out = "2147483647\n", .note = "low 32 bits"},
    {.program = "limit_tested_value", .args = {"x"}, .out = ""},
    {.program = "limit_tested_value", .out = ""},

    {.program = "repeated_value_lines", .args = {"42"}, .out = "42\n42\n"},
    {.program = "repeated_value_lines", .args = {"-3x"}, .out = "-3\n-3\n-3\n"},
    {.program = "repeated_value_lines", .out = "Usage: ./repeated_value_lines integer\n", .status = 1},

    {.program = "odd_even_formatting", .args = {"1234567890"}, .out = "123456789\n"},
    {.program = "odd_even_formatting", .args = {"-2147483647"}, .out = "-2147483647\n"},
    {.program = "odd_even_formatting", .out = "0\n"},

    {.program = "integer_text_buffer", .args = {"42"}, .out = "42\n"},
    {.program = "integer_text_buffer", .args = {"-2147483648"}, .out = "-2147483648\n"},
    {.program = "integer_text_buffer", .out = "Usage: ./integer_text_buffer <integer>\n", .status = 1},

    {.program = "alphabetic_argument_value", .args = {"abc"}, .out = "abc: 0\n"},
    {.program = "alphabetic_argument_value", .args = {"7abc"}, .out = "Please provide a non-numeric argument\n",
     .status = 1},
    {.program = "alphabetic_argument_value", .args = {"a", "b"}, .out = "Please provide one argument\n", .status = 1},

    {.program = "digit_first_powers", .args = {"5"}, .out = "Input: 5\nSquare of 5 is 25.\nCube of 5 is 125.\n"},
    {.program = "digit_first_powers", .args = {"65536"},
     .out = "Input: 65536\nSquare of 65536 is 0.\nCube of 65536 is 0.\n", .note = "wraps"},
    {.program = "digit_first_powers", .args = {"-5"},
     .out = "Invalid input. Please provide a number as the first command-line argument.", .status = 1},
    {.program = "digit_first_powers",
     .out = "Invalid input. Please provide a number as the first command-line argument.", .status = 1},

    {.program = "input_txt_keyword", .args = {"input.txt"}, .out = "The input is: -17\n",
     .files = {{"input.txt", "  -17 4\n"}}},
    {.program = "input_txt_keyword", .args = {"input.txt"}, .out = "The input is: 0\n",
     .files = {{"input.txt", "none\n"}}, .note = "no number in the file"},
    {.program = "input_txt_keyword", .args = {"input.txt"}, .out = "The input is: 0\n",
     .note = "no input.txt: still the value line and status 0"},
    {.program = "input_txt_keyword", .args = {"data.txt"},
     .out = "Invalid filename or input type. Please use 'input.txt' for integer input.", .status = 1},
    {.program = "input_txt_keyword", .out = "Usage: ./input_txt_keyword filename\n", .status = 1},

    {.program = "dead_word_conversion", .args = {"12x"}, .out = "Result: 12\n"},
    {.program = "dead_word_conversion", .args = {"deadbeef"}, .out = "Result: 0\n"},
    {.program = "dead_word_conversion", .args = {"dead"}, .out = "Input is invalid. Please enter a different input.\n",
     .status = 1},
    {.program = "dead_word_conversion", .out = "Usage: program.exe input\n", .status = 1},

    {.program = "wrapping_even_sum", .args = {"-10"}, .out = "The sum of all even numbers in the argument list is: -30\n"},
    {.program = "wrapping_even_sum", .args = {"-1"}, .out = "The sum of all even numbers in the argument list is: 0\n"},
    {.program = "wrapping_even_sum", .args = {"0"},
     .out = "The sum of all even numbers in the argument list is: -2147483648\n", .note = "every even value"},
    {.program = "wrapping_even_sum", .args = {"4294967286"},
     .out = "The sum of all even numbers in the argument list is: -30\n", .note = "taken as 32 bits"},
    {.program = "wrapping_even_sum",
     .out = "Error: Please provide an argument for the list of numbers to sum.", .status = 1},
};

// The even values from `from` to `to`, walked one by one, summed modulo 2^32.
int walked_even_sum(long long from, long long to) {
    uint32_t sum = 0;
    for (long long v = from; v <= to; v++)
        if (v % 2 == 0) sum += static_cast<uint32_t>(v);
    return static_cast<int>(sum);
}

std::vector<Run> probe_runs() {
    std::vector<std::string> programs;  // every program of the tables, once
    for (const auto* table : {&list_table, &value_table})
        for (const Case& c : *table)
            if (programs.empty() || programs.back() != c.program) programs.push_back(c.program);
    const std::vector<std::vector<std::string>> extremes = {
        {},
        {""},
        {"", ""},
        {"2147483647"},
        {"2147483647", "2147483647", "2147483647"},
        {"-2147483648", "-2147483648", "-1"},
        {big, "-" + big, big},
        {std::string(10000, '7')},
        {std::string(10000, '1'), std::string(10000, 'x'), ""},
        std::vector<std::string>(300, "2147483647"),
    };
    return harness::runs_over(programs, extremes);
}

const std::vector<Run> probe_table = probe_runs();

}  // namespace

HARNESS_TABLE(ValidatedListWalks, list_table);
HARNESS_TABLE(ValidatedSingleValues, value_table);
HARNESS_PROBES(ValidatedValuesProbes, probe_table);

// The direct sum agrees with the walk: from below -1 the walk is short; from
// n >= 0 it covers every even value (whose sum is INT_MIN) except those below n.
PROGRAM_TEST(WrappingEvenSum, MatchesWalk, "wrapping_even_sum") {
    const long long starts[] = {-2, -3, -1001, -65536, -2147483647, -2147483648LL, 1, 2, 3, 1000, 65537};
    for (long long n : starts) {
        int expected = n < 0 ? walked_even_sum(n, -2)
                             : static_cast<int>(static_cast<uint32_t>(INT_MIN) -
                                                static_cast<uint32_t>(walked_even_sum(0, n - 1)));
        auto o = harness::run({.program = "wrapping_even_sum", .args = {std::to_string(n)}});
        EXPECT_EQ(o.out, "The sum of all even numbers in the argument list is: " + std::to_string(expected) + "\n")
            << "n = " << n;
        EXPECT_EQ(o.status, 0);
    }
}
