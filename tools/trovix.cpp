// trovix: the command-line tool over the portable reader library.
//   trovix dump FILE   prints the JSON of what the import would read from FILE
//   trovix gpx FILE    writes its waypoints, routes and tracks as GPX 1.1
//   trovix records FILE [--category TEXT]
//                      prints the JSON of the handheld records the import would make
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "tools/TOOL_Command.h"

int main(int argc, char** argv) {
#ifdef _WIN32
    // The same bytes as on Linux: no CR before each line feed.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::ios_base::sync_with_stdio(false);
    return tool::Run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
