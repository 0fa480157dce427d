#pragma once
// The tool run in this process, as the command line would run it, with what it wrote.
#include <sstream>
#include <string>
#include <vector>

#include "tools/cli/TOOL_Command.h"

namespace tool_test {

struct Run_t {
    int code = -1;
    std::string out;
    std::string err;
};

inline Run_t RunTool(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    Run_t run;
    run.code = tool::Run(args, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

}  // namespace tool_test
