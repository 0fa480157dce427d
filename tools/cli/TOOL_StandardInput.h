#pragma once
// What standard input is, before a data file is read from it.
#include <string>

namespace tool {

// Why standard input cannot give a data file: it is closed, a folder, or a terminal (where a
// person would be waiting for the tool); empty when it may.
std::string StandardInputProblem();

}  // namespace tool
