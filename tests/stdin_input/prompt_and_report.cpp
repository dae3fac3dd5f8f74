// Programs that prompt for one value, a few values or one line on standard
// input and report on it; some take the value from an argument instead.
#include "harness/harness.hpp"

using harness::Case;
using harness::repeat;

namespace {

const std::string big = "99999999999999999999";  // 20 digits

// Reads of "%d": what is consumed, and the value kept for numbers out of range
// (the low 32 bits of the number saturated to 64 bits).
std::vector<Case> integer_read_cases() {
    const std::string p = "Enter a number: The entered number is ";
    auto echo = [&](std::string in, std::string value, std::string note = "") {
        return Case{.program = "entered_number_echo", .out = p + value + "\n", .input = in, .note = note};
    };
    auto series = [](std::string in, std::string t, std::string sum) {
        return Case{.program = "fraction_series_sum",
                    .out = "Enter the number of terms in the sum: The sum of the first " + t +
                           " terms in the sequence is: " + sum + "\n",
                    .input = in};
    };
    return {
        echo("12\n", "12"), echo("", "0", "no input"), echo("x5\n", "0", "not a number"),
        echo(" \t\n\n  -34 rest", "-34"), echo("+7", "7"), echo("-", "0", "sign only"), echo("3.9", "3"),
        echo("2147483647", "2147483647"), echo("-2147483648", "-2147483648"),
        echo("2147483648", "-2147483648", "wraps"), echo("4294967297", "1"),
        echo(big, "-1", "saturates, then low 32 bits"), echo("-" + big, "0"),
        echo(repeat("7", 10000), "-1", "10 000 digits"),

        {.program = "silent_pair_adder", .out = "The sum of 2 and 3 is: 5\n", .input = "2 3\n"},
        {.program = "silent_pair_adder", .out = "The sum of 4 and 5 is: 9\n", .input = "4\n\n  5"},
        {.program = "silent_pair_adder", .out = "The sum of 2147483647 and 1 is: -2147483648\n",
         .input = "2147483647 1"},
        {.program = "silent_pair_adder", .out = "The sum of -2147483648 and -1 is: 2147483647\n",
         .input = "-2147483648 -1"},
        {.program = "silent_pair_adder", .out = "The sum of 4 and 0 is: 4\n", .input = "4,5", .note = "second unread"},
        {.program = "silent_pair_adder", .out = "The sum of 0 and 0 is: 0\n"},

        {.program = "count_up_to_input", .out = "1\n2\n3\n", .input = "3\n"},
        {.program = "count_up_to_input", .out = "1\n", .input = "1"},
        {.program = "count_up_to_input", .input = "0"},
        {.program = "count_up_to_input", .input = "-2147483648"},
        {.program = "count_up_to_input", .input = "x"},
        {.program = "count_up_to_input"},

        {.program = "newline_repeater", .out = "Enter the number: \n\n\n", .input = "3"},
        {.program = "newline_repeater", .out = "Enter the number: " + std::string(10000, '\n'), .input = "10000"},
        {.program = "newline_repeater", .out = "Enter the number: ", .input = "-4"},
        {.program = "newline_repeater", .out = "Enter the number: "},

        {.program = "repeat_line_countdown", .out = "Enter a number (0 to quit): " + repeat("Hello, World!\n", 3),
         .input = "3\n"},
        {.program = "repeat_line_countdown", .out = "Enter a number (0 to quit): ", .input = "0\n"},
        {.program = "repeat_line_countdown", .out = "Enter a number (0 to quit): ", .input = "-5\n",
         .note = "negative count"},
        {.program = "repeat_line_countdown", .out = "Enter a number (0 to quit): ", .input = "-2147483648"},
        {.program = "repeat_line_countdown", .out = "Enter a number (0 to quit): "},

        series("1", "1", "0.33"), series("2", "2", "0.73"), series("10", "10", "4.41"),
        series("1000000", "1000000", "499996.56"), series("-5", "-5", "0.00"), series("", "0", "0.00"),
        // Every term and partial sum rounded to a double: kept any wider, the sum
        // would show 1255869.83.
        series("2511747", "2511747", "1255869.82"),

        {.program = "fixed_result_reader", .out = "Result: 0.00\n", .input = "5\n"},
        {.program = "fixed_result_reader", .out = "Result: 0.00\n"},
        {.program = "silent_integer_reader", .out = "Enter an integer: ", .input = "5\n"},
        {.program = "silent_integer_reader", .out = "Enter an integer: ", .input = repeat("9", 10000)},
        {.program = "silent_integer_reader", .out = "Enter an integer: "},
    };
}

// Two or three values read in one format, with arguments checked after the read.
std::vector<Case> multi_value_cases() {
    const std::string date = "The date is ";
    const std::string add = "Enter two numbers to add: ";
    const std::string sub = "Enter two numbers: ";
    const std::string sub_usage = "Please enter a valid input. Usage: ./subtract_prompt <number> <operator>\n";
    const std::string sub_op = "Invalid operator. Usage: ./subtract_prompt <number> <operator>\n";
    return {
        {.program = "count_then_date", .args = {"3"}, .out = "0\n1\n2\n" + date + "3-04-2023.\n", .input = "3/4/2023"},
        {.program = "count_then_date", .args = {"0"}, .out = date + "1-02-0003.\n", .input = "1/2/3\n"},
        {.program = "count_then_date", .args = {"-2147483648"}, .out = date + "-1--2--003.\n", .input = "-1/-2/-3"},
        {.program = "count_then_date", .args = {"2"}, .out = "0\n1\n" + date + "0-00-0000.\n", .note = "no input"},
        {.program = "count_then_date", .args = {"x"}, .out = date + "3-00-0000.\n", .input = "3 /4/2023",
         .note = "a blank before the slash stops the read"},
        {.program = "count_then_date", .args = {"1"}, .out = "0\n" + date + "12-05-0000.\n", .input = "12/ 5/x"},
        {.program = "count_then_date", .out = "Usage: ./count_then_date <input>\n", .status = 1},
        {.program = "count_then_date", .args = {"1", "2"}, .out = "Usage: ./count_then_date <input>\n", .status = 1},

        {.program = "hex_guarded_adder", .args = {"a"}, .out = add + "Please enter two numbers.\n", .input = "1 2"},
        {.program = "hex_guarded_adder", .args = {"f"}, .out = add + "The sum of 1 and 2 is 3\n", .input = "1 2",
         .argv0 = "a.out"},
        {.program = "hex_guarded_adder", .args = {"B", "g"},
         .out = add + "The sum of 2147483647 and 1 is -2147483648\n",
         .input = "2147483647\n1\n", .argv0 = "9x"},
        {.program = "hex_guarded_adder", .args = {"ab"}, .out = add + "The sum of 5 and 0 is 5\n", .input = "5",
         .argv0 = "e"},
        {.program = "hex_guarded_adder", .args = {"g"}, .out = add + "Please enter two numbers.\n", .input = "1 2",
         .argv0 = "a.out"},
        {.program = "hex_guarded_adder", .args = {""}, .out = add + "Please enter two numbers.\n", .argv0 = "a.out"},
        {.program = "hex_guarded_adder", .out = add + "Please enter two numbers.\n", .input = "1 2", .argv0 = "a.out",
         .note = "missing argument"},
        {.program = "hex_guarded_adder", .args = {"a"}, .out = add + "Please enter two numbers.\n", .argv0 = ""},

        {.program = "subtract_prompt", .args = {"5", "-"}, .out = sub + "9 - 4 = 5\n", .input = "9 4"},
        {.program = "subtract_prompt", .args = {"x", "-x", "y"}, .out = sub + "-2147483648 - 1 = 2147483647\n",
         .input = "-2147483648 1"},
        {.program = "subtract_prompt", .args = {"5", "-"}, .out = sub + "7 - 0 = 7\n", .input = "7"},
        {.program = "subtract_prompt", .args = {"5", "-"}, .out = sub + "0 - 0 = 0\n"},
        {.program = "subtract_prompt", .args = {"5"}, .out = sub + sub_usage, .status = 1, .input = "9 4"},
        {.program = "subtract_prompt", .out = sub + sub_usage, .status = 1},
        {.program = "subtract_prompt", .args = {"5", "+"}, .out = sub + sub_op, .status = 1, .input = "9 4"},
        {.program = "subtract_prompt", .args = {"5", ""}, .out = sub + sub_op, .status = 1},
    };
}

// Values taken from the first argument (as by atoi or strtol) or from standard input.
std::vector<Case> argument_or_input_cases() {
    const std::string ops = "Input integer: ";
    const std::string ops_usage = "Usage: ./integer_ops_prompt <integer>\n";
    const std::string neg = ops + "Negative input is not supported.\n";
    const std::string lead = "Integer to character conversion: ";
    const std::string match = "Enter the number:";
    const std::string no_match = " is not a valid input number. Please enter an integer.";
    const std::string square = "Enter a number: The square of ";
    const std::string bin = "Enter a number: Enter a binary number: Decimal: ";
    const std::string bin_usage = "Enter a number: Usage: ./binary_digit_prompt <binary-number>\n";
    const std::string pi = "The value of pi is: ";
    auto unique = [](int n, std::string in, std::string count, std::string note = "") {
        std::string prompts;
        for (int i = 1; i <= n; ++i) prompts += "Input " + std::to_string(i) + ": ";
        return Case{.program = "unique_inputs_counter", .args = {std::to_string(n)},
                    .out = prompts + "The maximum number of unique inputs is " + count + "\n",
                    .input = in,
                    .note = note};
    };
    return {
        {.program = "integer_ops_prompt", .args = {"3"},
         .out = ops + "Sum: 12\nDifference: -3\nProduct: 14\nQuotient: 2\n",
         .input = "7\n"},
        {.program = "integer_ops_prompt", .args = {"9x"},
         .out = ops + "Sum: 14\nDifference: -1\nProduct: 18\nQuotient: 3\n",
         .input = "abc", .note = "argument stands"},
        {.program = "integer_ops_prompt", .args = {"1"},
         .out = ops + "Sum: 17\nDifference: 2\nProduct: 24\nQuotient: 4\n",
         .input = "12abc"},
        {.program = "integer_ops_prompt", .args = {"0"},
         .out = ops + "Sum: -2147483644\nDifference: 2147483637\nProduct: -2\nQuotient: 715827882\n",
         .input = "2147483647"},
        {.program = "integer_ops_prompt", .args = {"3"}, .out = neg, .status = 1, .input = "-1\n"},
        {.program = "integer_ops_prompt", .args = {"-5"}, .out = neg, .status = 1},
        {.program = "integer_ops_prompt", .args = {"2147483648"}, .out = neg, .status = 1, .note = "argument wraps"},
        {.program = "integer_ops_prompt", .args = {"3"}, .out = neg, .status = 1, .input = big},
        {.program = "integer_ops_prompt", .out = ops_usage, .status = 1},
        {.program = "integer_ops_prompt", .args = {"1", "2"}, .out = ops_usage, .status = 1},

        {.program = "leading_digit_char", .args = {"472"}, .out = "Input string is: 472\n" + lead + "4\n"},
        {.program = "leading_digit_char", .args = {"-472"}, .out = "Input string is: -472\n" + lead + ",\n"},
        {.program = "leading_digit_char", .args = {"0"}, .out = "Input string is: 0\n" + lead + "0\n"},
        {.program = "leading_digit_char", .args = {"2147483647", "x"}, 
         .out = "Input string is: 2147483647\n" + lead + "2\n"},
        {.program = "leading_digit_char", .args = {"-2147483648"}, 
         .out = "Input string is: -2147483648\n" + lead + ".\n"},
        {.program = "leading_digit_char", .out = "Please enter a valid integer value: " + lead + "9\n", .input = "987"},
        {.program = "leading_digit_char", .out = "Please enter a valid integer value: " + lead + "0\n"},

        {.program = "parity_prompt", .args = {"3"}, .out = "Odd number\n"},
        {.program = "parity_prompt", .args = {"-3"}, .out = "Odd number\n"},
        {.program = "parity_prompt", .args = {"-2147483648"}, .out = "Even number\n"},
        {.program = "parity_prompt", .args = {big}, .out = "Odd number\n"},
        {.program = "parity_prompt", .args = {"abc"}, .out = "Even number\n"},
        {.program = "parity_prompt", .out = "Please enter a number: Odd number\n", .input = "7\n"},
        {.program = "parity_prompt", .out = "Please enter a number: Even number\n", .input = "x"},

        {.program = "number_or_prompt", .args = {"-3x"}, .out = "The input is -3\n", .input = "8"},
        {.program = "number_or_prompt", .args = {"2147483648"}, .out = "The input is -2147483648\n"},
        {.program = "number_or_prompt", .out = "Please enter a number: The input is 8\n", .input = "8"},
        {.program = "number_or_prompt", .out = "Please enter a number: The input is 0\n"},

        {.program = "square_prompt", .out = square + "7 is 49\n", .input = "7"},
        {.program = "square_prompt", .args = {"6"}, .out = square + "3 is 9\n", .input = "3"},
        {.program = "square_prompt", .args = {"6"}, .out = square + "6 is 36\n", .input = "x"},
        {.program = "square_prompt", .out = square + "0 is 0\n"},
        {.program = "square_prompt", .out = square + "46341 is -2147479015\n", .input = "46341"},
        {.program = "square_prompt", .args = {"-2147483648"}, .out = square + "-2147483648 is 0\n"},

        {.program = "argument_match_check", .args = {"42"}, .out = match + "42 is a valid input number.",
         .input = "42"},
        {.program = "argument_match_check", .args = {"42abc"}, .out = match + "42abc is a valid input number.",
         .input = "42"},
        {.program = "argument_match_check", .args = {"4294967338"},
         .out = match + "4294967338 is a valid input number.",
         .input = "42", .note = "compared as an int"},
        {.program = "argument_match_check", .args = {"42"}, .out = match + "42" + no_match, .input = "41"},
        {.program = "argument_match_check", .args = {"abc"}, .out = match + "abc is a valid input number.",
         .note = "0 against 0"},
        {.program = "argument_match_check", .out = match + "(null) is a valid input number.", .input = "0",
         .note = "missing argument: 0"},
        {.program = "argument_match_check", .out = match + "(null)" + no_match, .input = "5"},

        {.program = "digit_code_check", .args = {"x"}, .out = "Enter a number: 53 is an integer.", .input = "53"},
        {.program = "digit_code_check", .args = {"x"}, .out = "Enter a number: 48 is an integer.", .input = "48"},
        {.program = "digit_code_check", .args = {"x"}, .out = "Enter a number: 57 is an integer.", .input = "57"},
        {.program = "digit_code_check", .args = {"x"}, .out = "Enter a number: x is not a valid integer input.",
         .input = "5"},
        {.program = "digit_code_check", .args = {"x"}, .out = "Enter a number: x is not a valid integer input.",
         .input = "47"},
        {.program = "digit_code_check", .args = {"x"}, .out = "Enter a number: x is not a valid integer input.",
         .input = "58"},
        {.program = "digit_code_check", .out = "Enter a number: (null) is not a valid integer input.", .input = "5"},

        {.program = "argument_number_echo", .args = {"12"}, .out = "Enter a number: You entered 12\n", .input = "5"},
        {.program = "argument_number_echo", .args = {"2147483648"}, .out = "Enter a number: You entered -2147483648\n"},
        {.program = "argument_number_echo",
         .out = "Enter a number: Error: incorrect input. Please enter a number and use argv[0] to terminate."},
        {.program = "argument_number_echo", .args = {"1", "2"},
         .out = "Enter a number: Error: incorrect input. Please enter a number and use argv[0] to terminate."},

        {.program = "pi_value_prompt", .args = {"2"}, .out = repeat("Enter a number: ", 2) + pi + "3.141590\n",
         .input = "1.5 3.14159"},
        {.program = "pi_value_prompt", .args = {"3"}, .out = repeat("Enter a number: ", 3) + pi + "2.500000\n",
         .input = "2.5", .note = "failed reads keep the last value"},
        {.program = "pi_value_prompt", .args = {"2"}, .out = repeat("Enter a number: ", 2) + pi + "3.140000\n",
         .input = "3.14x 9"},
        {.program = "pi_value_prompt", .args = {"1"}, .out = "Enter a number: " + pi + "inf\n", .input = "1e400"},
        {.program = "pi_value_prompt", .args = {"0"}, .out = "The value of pi is: 0.000000\n", .input = "5"},
        {.program = "pi_value_prompt", .out = "The value of pi is: 0.000000\n", .note = "missing argument"},

        {.program = "binary_digit_prompt", .args = {"101"}, .out = bin + "5\n",
         .input = "7\n1\n"},
        {.program = "binary_digit_prompt", .args = {"1021"}, .out = bin + "2\n"},
        {.program = "binary_digit_prompt", .args = {"abc"}, .out = bin + "0\n"},
        {.program = "binary_digit_prompt", .args = {repeat("1", 31)},
         .out = bin + "2147483647\n"},
        {.program = "binary_digit_prompt", .args = {"1" + repeat("0", 31)},
         .out = bin + "-2147483648\n"},
        {.program = "binary_digit_prompt", .args = {"1" + repeat("0", 32)},
         .out = bin + "0\n", .note = "33 digits: the last 32 count"},
        {.program = "binary_digit_prompt", .args = {repeat("1", 10000)},
         .out = bin + "-1\n", .input = repeat("x", 10000)},
        {.program = "binary_digit_prompt", .out = bin_usage},
        {.program = "binary_digit_prompt", .args = {""}, .out = bin_usage},
        {.program = "binary_digit_prompt", .args = {"1", "1"},
         .out = bin_usage},

        unique(4, "1 2 2 3", "5"),
        unique(4, "1 2 3 4", "7"),
        unique(3, "1", "4", "unread values are 0"),
        unique(1, "9", "1"),
        {.program = "unique_inputs_counter", .args = {"0"}, .out = "The maximum number of unique inputs is 0\n"},
        {.program = "unique_inputs_counter", .args = {"-2147483648"},
         .out = "The maximum number of unique inputs is -2147483648\n"},
        {.program = "unique_inputs_counter", .out = "Usage: ./unique_inputs_counter <number of inputs>\n", .status = 1},
        {.program = "unique_inputs_counter", .args = {"1", "2"},
         .out = "Usage: ./unique_inputs_counter <number of inputs>\n", .status = 1},
    };
}

// Lines read with fgets into fixed buffers, and single characters and words.
std::vector<Case> line_cases() {
    const std::string a255 = repeat("a", 255);
    const std::string thanks = "Thank you for using our program!";
    const std::string hello = "Enter a string: String entered is: ";
    const std::string usage = "Usage: ./alnum_line_filter INPUT\n";
    const std::string miss = "Enter a list of integers: ";
    const std::string range = miss + "Invalid entry. Please enter a number between 0 and 10, inclusive.";
    const std::string highest = miss + "Invalid entry. The highest number in the sequence should be less than ";
    return {
        {.program = "alnum_line_filter", .args = {"x"}, .out = "abc123\n", .input = "abc123\r\nnext\n"},
        {.program = "alnum_line_filter", .args = {"x"}, .out = "Hello\n", .input = "Hello"},
        {.program = "alnum_line_filter", .args = {"x"}, .out = "ab", .err = "Invalid character   in input.\n",
         .status = 1, .input = "ab c\n"},
        {.program = "alnum_line_filter", .args = {"x"}, .out = "a", .err = "Invalid character \xc3 in input.\n",
         .status = 1, .input = "a\xc3\xa9\n"},
        {.program = "alnum_line_filter", .args = {"x"}, .out = "\n", .input = "\n"},
        {.program = "alnum_line_filter", .args = {"x"}, .out = "\n", .note = "no input"},
        {.program = "alnum_line_filter", .args = {"x"}, .out = repeat("a", 1023) + "\n",
         .input = repeat("a", 1500) + "!\n",
         .note = "one read of 1023 bytes"},
        {.program = "alnum_line_filter", .args = {"exit"}, .input = "ab c\n"},
        {.program = "alnum_line_filter", .args = {"EXIT"}, .out = "ab", .err = "Invalid character   in input.\n",
         .status = 1, .input = "ab c\n"},
        {.program = "alnum_line_filter", .out = usage, .status = 1},
        {.program = "alnum_line_filter", .args = {"exit", "x"}, .out = usage, .status = 1},

        {.program = "missing_number_prompt", .out = miss + "The missing number is: -7", .input = "0\n"},
        {.program = "missing_number_prompt", .out = miss + "The missing number is: -2", .input = "1 2 3\n"},
        {.program = "missing_number_prompt", .out = miss + "The missing number is: -7", .note = "no input"},
        {.program = "missing_number_prompt", .out = highest + "5", .status = 255, .input = "2\n"},
        {.program = "missing_number_prompt", .out = miss + "The missing number is: -2", .input = "10",
         .note = "no newline: the last digit is cut"},
        {.program = "missing_number_prompt", .out = highest + "5", .status = 255, .input = "25",
         .note = "no newline: the last digit is cut"},
        {.program = "missing_number_prompt", .out = highest + "45", .status = 255, .input = "10x\n"},
        {.program = "missing_number_prompt", .out = miss + "The missing number is: -7",
         .input = repeat("0", 18) + "5\n", .note = "19 characters read: the 5 is cut"},
        {.program = "missing_number_prompt", .out = highest + "20", .status = 255, .input = repeat("0", 17) + "5\n"},
        {.program = "missing_number_prompt", .out = miss + "The missing number is: -7",
         .input = repeat("0", 19) + "5\n",
         .note = "20th character not read"},
        {.program = "missing_number_prompt", .out = range, .status = 255, .input = "11\n"},
        {.program = "missing_number_prompt", .out = range, .status = 255, .input = "-1\n"},
        {.program = "missing_number_prompt", .out = range, .status = 255, .input = big + "\n"},

        {.program = "hello_line_optimizer", .out = hello + "abc\n\nOptimized String: abc\n\n", .input = "abc\n"},
        {.program = "hello_line_optimizer", .out = hello + "say hello\n\nOptimized String: say hi\n\n",
         .input = "say hello\n"},
        {.program = "hello_line_optimizer", .out = hello + "hellohello hhelloo\nOptimized String: hihi hhio\n",
         .input = "hellohello hhelloo"},
        {.program = "hello_line_optimizer", .out = hello + "Hello\n\nOptimized String: Hello\n\n", .input = "Hello\n"},
        {.program = "hello_line_optimizer", .out = hello + "\nOptimized String: \n", .note = "no input"},
        {.program = "hello_line_optimizer",
         .out = hello + "hello" + repeat("x", 94) + "\nOptimized String: hi" + repeat("x", 94) + "\n",
         .input = "hello" + repeat("x", 145)},

        {.program = "string_thanks_echo", .out = "Please enter a string: You entered: hi\n\n" + thanks,
         .input = "hi\n"},
        {.program = "string_thanks_echo", .out = "Please enter a string: You entered: \n\n" + thanks, .input = "\n"},
        {.program = "string_thanks_echo", .out = "Please enter a string: ", .status = 1, .input = "hi"},
        {.program = "string_thanks_echo", .out = "Please enter a string: ", .status = 1},
        {.program = "string_thanks_echo", .out = "Please enter a string: You entered: " + a255 + "\n" + thanks,
         .input = a255, .note = "a full buffer stops before the end of input"},
        {.program = "string_thanks_echo", .out = "Please enter a string: ", .status = 1, .input = repeat("a", 254)},

        {.program = "newline_trim_echo", .out = "Input: Input: abc\n", .input = "abc\n\nmore\n"},
        {.program = "newline_trim_echo", .out = "Input: Input: abc\n", .input = "abc"},
        {.program = "newline_trim_echo", .out = "Input: Input: \n", .input = "\n"},
        {.program = "newline_trim_echo", .out = "Input: Input: \n", .note = "no input"},
        {.program = "newline_trim_echo", .out = "Input: Input: " + repeat("b", 98) + "\n",
         .input = repeat("b", 98) + "\n"},
        {.program = "newline_trim_echo", .out = "Input: Input: " + repeat("b", 99) + "\n", .input = repeat("b", 10000)},

        {.program = "line_atoi_echo", .out = "Enter a number: Input: 42\n", .input = "42\n"},
        {.program = "line_atoi_echo", .out = "Enter a number: Input: -7\n", .input = "  -7abc"},
        {.program = "line_atoi_echo", .out = "Enter a number: Input: 0\n", .input = "\n5\n"},
        {.program = "line_atoi_echo", .out = "Enter a number: Input: -2147483648\n", .input = "2147483648\n"},
        {.program = "line_atoi_echo", .out = "Enter a number: Input: -1\n", .input = big},
        {.program = "line_atoi_echo", .out = "Enter a number: Input: 0\n", .input = repeat("0", 99) + "5\n",
         .note = "100th character not read"},
        {.program = "line_atoi_echo", .out = "Enter a number: ", .status = 1},

        {.program = "char_echo_reader", .out = "You entered: x\n", .input = "xyz"},
        {.program = "char_echo_reader", .out = "You entered:  \n", .input = " x"},
        {.program = "char_echo_reader", .out = "You entered: \n\n", .input = "\n"},
        {.program = "char_echo_reader", .out = std::string("You entered: \0\n", 15), .note = "no input: NUL"},
        {.program = "silent_char_reader", .out = "Enter your input: ", .input = " \n x"},
        {.program = "silent_char_reader", .out = "Enter your input: "},
        {.program = "silent_word_reader", .out = "Enter your string: ", .input = "word rest\n"},
        {.program = "silent_word_reader", .out = "Enter your string: ", .input = repeat("w", 10000)},
        {.program = "silent_word_reader", .out = "Enter your string: "},
    };
}

const std::vector<Case> integer_read_table = integer_read_cases();
const std::vector<Case> multi_value_table = multi_value_cases();
const std::vector<Case> argument_or_input_table = argument_or_input_cases();
const std::vector<Case> line_table = line_cases();

}  // namespace

HARNESS_TABLE(IntegerReads, integer_read_table);
HARNESS_TABLE(MultiValueReads, multi_value_table);
HARNESS_TABLE(ArgumentOrInput, argument_or_input_table);
HARNESS_TABLE(LineReads, line_table);

// Past i = 1073741822 the denominator 2i + 3 no longer fits in an int; the terms
// must stay near 1/2. The sum is t/2 less about 5.2, give or take the rounding
// accumulated over a billion additions.
PROGRAM_TEST(FractionSeriesSum, DenominatorsBeyondIntRange, "fraction_series_sum") {
    // A billion loop steps take about 15 s in a sanitized debug build: the run gets a minute.
    harness::Outcome o =
        harness::run({.program = "fraction_series_sum", .input = "1100000000", .timeout_seconds = 60});
    const std::string head =
        "Enter the number of terms in the sum: The sum of the first 1100000000 terms in the sequence is: ";
    ASSERT_EQ(o.status, 0) << o.describe();
    ASSERT_EQ(o.out.compare(0, head.size(), head), 0) << o.out;
    double sum = std::stod(o.out.substr(head.size()));
    EXPECT_NEAR(sum, 549999994.8, 3.0) << o.out;
    EXPECT_EQ(o.out.back(), '\n');
}
