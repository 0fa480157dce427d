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

}  // namespace tool
