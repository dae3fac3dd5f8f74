// Argument-count checks, refusal lines and safe access to the argument vector.
//
// Counts are of arguments, the words after the invocation name; messages that
// print a count print argc, which includes the invocation name. On Linux the
// vector always holds at least the invocation name (argc >= 1).
#pragma once

#include <cstdarg>
#include <cstdio>

namespace common {

// Exactly n arguments after the invocation name.
constexpr bool has_args(int argc, int n) { return argc - 1 == n; }

// At least n arguments after the invocation name.
constexpr bool has_at_least(int argc, int n) { return argc - 1 >= n; }

// The text a missing argument stands for in programs that print arguments
// without checking that they are there: what printf writes for a null "%s".
inline constexpr const char* missing_arg = "(null)";

// argv[i] when the vector has it, else `missing_arg`; never reads past the vector.
inline const char* arg(int argc, char** argv, int i) { return i < argc ? argv[i] : missing_arg; }

// argv[i] when the vector has it, else the empty text: for programs that
// convert an argument without checking that it is there, a missing one then
// converts as text without digits does (to 0) and matches no keyword.
inline const char* arg_or_empty(int argc, char** argv, int i) { return i < argc ? argv[i] : ""; }

// Writes a refusal (usually a usage line) with formatted output on standard
// output and gives back `status`, so that a check reads
//   if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <input_file>\n", argv[0]);
[[gnu::format(printf, 2, 3)]] inline int usage(int status, const char* format, ...) {
    va_list ap;
    va_start(ap, format);
    vprintf(format, ap);
    va_end(ap);
    return status;
}

// The same on standard error.
[[gnu::format(printf, 2, 3)]] inline int usage_err(int status, const char* format, ...) {
    va_list ap;
    va_start(ap, format);
    vfprintf(stderr, format, ap);
    va_end(ap);
    return status;
}

}  // namespace common
