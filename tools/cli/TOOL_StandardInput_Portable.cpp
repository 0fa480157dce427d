#include <sys/stat.h>
#include <unistd.h>

#include "tools/cli/TOOL_StandardInput.h"

namespace tool {

std::string StandardInputProblem() {
    struct stat status;
    if (fstat(STDIN_FILENO, &status) != 0) return "standard input is closed";
    if (S_ISDIR(status.st_mode)) return "standard input is a folder";
    if (isatty(STDIN_FILENO))
        return "standard input is a terminal; give FILE, or redirect a data file with <";
    return std::string();
}

}  // namespace tool
