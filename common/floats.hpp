// Argument texts for the floating-point reporters that read their numbers
// without checking the argument count.
#pragma once

namespace common {

// Argument i, or the empty text when the vector is shorter. A missing number
// then converts as any text without digits does (atof, strtod, strtof, atoi
// and strtol all give 0), and a missing flag matches no keyword.
inline const char* number_arg(int argc, char** argv, int i) { return i < argc ? argv[i] : ""; }

}  // namespace common
