#pragma once
// How the tool names an exception in its one-line error reports.
#include <exception>
#include <string>

namespace tool {

// The exception's dynamic class with its namespace, for example "trove::BadStream_t".
std::string ExceptionClassName(const std::exception& e);

// "<class> at <source> line <line>" for the system's own exceptions, followed by ": <text>"
// when the exception carries a text; "<class>: <what>" for any other. Line breaks and other
// control characters of the texts become blanks, so the result is one line.
std::string DescribeException(const std::exception& e);

// A failure outside the load in the user's words: the exception's own text where the system
// gives one, else "an internal error" with a pointer to --debug; with debug the identity too.
std::string FailureInWords(const std::exception& e, bool debug);

}  // namespace tool
