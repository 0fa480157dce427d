#pragma once
// The command line of `trovix`.
#include <ostream>
#include <string>
#include <vector>

namespace tool {

extern const char kUsage[];

// args without the program name. --help, -h and help list the commands, help COMMAND and
// COMMAND --help the command's options, --version the build. Unknown commands (with the nearest
// known one) and wrong arguments print the usage line to err and return 1.
// With progress (standard error is a terminal), FILE... -d DIR shows the files done on one line.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool progress = false);

// Run with nothing escaping: exhausted memory ends with "trovix: out of memory" and
// kExitOutOfMemory, any other exception with a line in the user's words (naming the exception
// with --debug) and kExitRefused.
int Main(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool progress = false);

}  // namespace tool
