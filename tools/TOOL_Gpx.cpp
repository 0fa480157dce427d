#include "tools/TOOL_Gpx.h"

#include <exception>
#include <filesystem>
#include <fstream>

#include "base/BASE_CodePageUnicode.h"
#include "tools/TOOL_ExceptionName.h"
#include "tools/TOOL_GpxWriter.h"
#include "tools/TOOL_Load.h"
#include "tools/TOOL_Xml.h"

namespace tool {

int Gpx(const Options_t& options, std::ostream& out, std::ostream& err) {
    const std::string prefix = "trovix: " + options.file + ": ";
    Loaded_t loaded;
    const int code = LoadForTool(options.file, options.code_page, loaded, err);
    if (code == kExitNotOpened || (code != kExitOk && !options.partial)) return code;
    for (const trove::LoadNote_t& note : loaded.notes) {
        std::string line;
        base::AppendUtf8(line, trove::DescribeNote(note), options.code_page);
        // A name may hold line breaks; the note stays one line.
        for (char& c : line)
            if (static_cast<unsigned char>(c) < 0x20) c = ' ';
        err << prefix << line << "\n";
    }

    std::ofstream file;
    if (!options.output.empty()) {
        file.open(options.output, std::ios_base::binary | std::ios_base::trunc);
        if (!file) {
            err << "trovix: " << options.output << ": cannot be written\n";
            return kExitNotOpened;
        }
    }
    std::ostream& target = options.output.empty() ? out : file;
    try {
        XmlOut_t xml(target, options.code_page);
        WriteGpx(xml, loaded.db, loaded.doc, loaded.result,
                 std::filesystem::path(options.file).filename().string());
        target.flush();
        if (!target) {
            err << "trovix: " << (options.output.empty() ? std::string("standard output") : options.output)
                << ": cannot be written\n";
            return kExitNotOpened;
        }
        if (xml.Replaced() != 0) {
            err << prefix << xml.Replaced() << " characters that are not text of code page "
                << options.code_page << " replaced by U+FFFD\n";
        }
    } catch (const std::exception& e) {
        err << prefix << "failed: " << DescribeException(e) << "\n";
        return kExitRefused;
    }
    return code;
}

}  // namespace tool
