#include "web/WEB_Convert.h"

#include <new>

#include "tools/TOOL_Dump.h"
#include "tools/TOOL_Exit.h"
#include "tools/TOOL_Export.h"
#include "tools/TOOL_Options.h"

namespace web {

namespace {

struct Writer_t {
    const char* command;
    tool::ExportWriter_t writer;
};

const Writer_t kWriters[] = {
    {"gpx", tool::WriteGpxDocument},         {"kml", tool::WriteKmlDocument},
    {"geojson", tool::WriteGeoJsonDocument}, {"csv", tool::WriteCsvDocument},
    {"html", tool::WriteHtmlDocument},
};

}  // namespace

int Convert(const Request_t& request, std::ostream& out, std::ostream& err) {
    tool::Options_t options;
    options.file = request.name;
    options.files = {request.name};
    options.bytes = request.bytes;
    options.code_page = request.code_page == 0 ? tool::kDefaultCodePage : request.code_page;
    options.code_page_given = true;
    options.code_page_auto = request.code_page == 0;
    options.partial = request.partial;
    try {
        if (request.command == "dump") return tool::Dump(options, out, err);
        for (const Writer_t& w : kWriters)
            if (request.command == w.command) return tool::Export(w.writer, options, out, err);
    } catch (const std::bad_alloc&) {
        err << "trovix: out of memory\n";
        return tool::kExitOutOfMemory;
    }
    err << "trovix: unknown command " << request.command << "\n";
    return tool::kExitNotOpened;
}

}  // namespace web
