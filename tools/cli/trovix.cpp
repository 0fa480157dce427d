// trovix: the command-line tool over the portable reader library.
//   trovix dump FILE   prints the JSON of what the import would read from FILE
//   trovix gpx FILE    writes its waypoints, routes and tracks as GPX 1.1
//   trovix records FILE [--category TEXT]
//                      prints the JSON of the handheld records the import would make
//   trovix COMMAND FILE... -d DIR   one output per FILE in DIR
#include <csignal>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#define isatty _isatty
#else
#include <unistd.h>
#endif

#include "tools/cli/TOOL_Command.h"
#include "tools/cli/TOOL_Exit.h"

int main(int argc, char** argv) {
#ifdef _WIN32
    // The same bytes as on Linux: no CR before each line feed.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);
#else
    // A write past the file size limit, or into a pipe whose reader has gone, then fails like
    // any other and is reported as one (exit 3), as on Windows.
    std::signal(SIGXFSZ, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
#endif
    std::ios_base::sync_with_stdio(false);
    const bool progress = isatty(2) != 0;
    int code = tool::Main(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr, progress);
    // What the commands flushed is out; closing is the last chance for the system to refuse it.
    std::cout.flush();
    if ((!std::cout || std::fclose(stdout) != 0) && code == tool::kExitOk) {
        std::cerr << "trovix: standard output: cannot be written\n";
        code = tool::kExitNotWritten;
    }
    return code;
}
