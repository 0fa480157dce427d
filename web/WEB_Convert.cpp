#include "web/WEB_Convert.h"

#include <new>

#include "tools/cli/TOOL_Exit.h"
#include "tools/cli/TOOL_Options.h"
#include "tools/cli/TOOL_Pipeline.h"
#include "tools/formats/TOOL_Registry.h"

namespace web {

int Convert(const Request_t& request, std::ostream& out, std::ostream& err) {
    const tool::Format_t* format = tool::FindFormat(request.command);
    if (format == nullptr) {
        err << "trovix: unknown command " << request.command << "\n";
        return tool::kExitNotOpened;
    }
    tool::Options_t options;
    options.file = request.name;
    options.files = {request.name};
    options.bytes = request.bytes;
    options.code_page = request.code_page == 0 ? tool::kDefaultCodePage : request.code_page;
    options.code_page_given = true;
    options.code_page_auto = request.code_page == 0;
    options.partial = request.partial && format->takes_partial;
    options.partial_offered = format->takes_partial;
    try {
        return tool::Convert(*format, options, out, err);
    } catch (const std::bad_alloc&) {
        err << "trovix: out of memory\n";
        return tool::kExitOutOfMemory;
    }
}

}  // namespace web
