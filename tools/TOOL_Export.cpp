#include "tools/TOOL_Export.h"

#include <exception>
#include <filesystem>
#include <new>

#include "base/BASE_CodePageUnicode.h"
#include "tools/TOOL_ExceptionName.h"
#include "tools/TOOL_GpxWriter.h"
#include "tools/TOOL_Load.h"
#include "tools/TOOL_Output.h"
#include "tools/TOOL_Refusal.h"
#include "tools/TOOL_Xml.h"

namespace tool {

std::size_t WriteGpxDocument(std::ostream& out, const ExportInput_t& input) {
    XmlOut_t xml(out, input.options.code_page);
    WriteGpx(xml, input.db, input.doc, input.result, input.file_name);
    return xml.Replaced();
}

int Export(ExportWriter_t writer, const Options_t& options, std::ostream& out, std::ostream& err) {
    const std::string prefix = "trovix: " + options.file + ": ";
    Loaded_t loaded;
    const int code = LoadForTool(options, loaded, err);
    if (code == kExitNotOpened || (code != kExitOk && !options.partial)) return code;
    Options_t read = options;  // with the page --codepage auto chose
    read.code_page = loaded.code_page_used;
    ReportNotes(read, loaded, err);

    const ExportInput_t input{loaded.db, loaded.doc, loaded.result,
                              FileName(options.file), read};
    std::size_t replaced = 0;
    int written = kExitOk;
    try {
        written = WriteOutput(options.output, out, err,
                              [&](std::ostream& target) { replaced = writer(target, input); });
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception& e) {
        err << prefix << "failed: " << FailureInWords(e, options.debug) << "\n";
        return kExitRefused;
    }
    if (written != kExitOk) return written;
    if (replaced != 0) {
        err << prefix << replaced << " characters that are not text of code page " << read.code_page
            << " replaced by U+FFFD\n";
    }
    return code;
}

}  // namespace tool
