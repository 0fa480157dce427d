#pragma once
// The text of a double exactly as std::to_chars writes it, also where the C++ library has no
// floating-point to_chars (the WebAssembly build's): the outputs keep the same bytes everywhere.
#include <charconv>

namespace base {

// std::to_chars(first, last, value): the shortest text that reads back as value, fixed or
// scientific, whichever is shorter (fixed on a tie).
std::to_chars_result ShortestChars(char* first, char* last, double value);
// std::to_chars(first, last, value, std::chars_format::fixed): the same in fixed notation.
std::to_chars_result FixedChars(char* first, char* last, double value);

// The same texts made with snprintf and strtod alone; what the two above use where the library
// lacks them.
std::to_chars_result ShortestCharsByPrintf(char* first, char* last, double value);
std::to_chars_result FixedCharsByPrintf(char* first, char* last, double value);

}  // namespace base
