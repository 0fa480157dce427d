#include <windows.h>

#include "tools/cli/TOOL_StandardInput.h"

namespace tool {

std::string StandardInputProblem() {
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    if (input == nullptr || input == INVALID_HANDLE_VALUE) return "standard input is closed";
    DWORD mode = 0;
    if (GetFileType(input) == FILE_TYPE_CHAR && GetConsoleMode(input, &mode))
        return "standard input is a terminal; give FILE, or redirect a data file with <";
    return std::string();
}

}  // namespace tool
