// COrvenImportCommand::ReadFile: a chosen path becomes a filled database, or the user is told in a
// warning box why the file could not be read.
#include <windows.h>

#include <string>

#include "addin/ADDIN_OrvenImportCommand.h"
#include "addin/ADDIN_Warning.h"
#include "base/BASE_StringResource.h"
#include "trove/TROVE_Database.h"
#include "trove/TROVE_Load.h"
#include "win/WIN_Exception.h"
#include "win/WIN_File.h"

namespace {

// Every box of the file read: no owner, a warning icon, string 105 as caption.
void Warn(const std::string& text, int caption_line) {
    addin::Warn(text, "OrvenImportCommand", caption_line);
}

}  // namespace

bool COrvenImportCommand::ReadFile(std::string path, trove::Database_t& database) {
    // The probe: a file that exists but cannot be read is told apart from one that is missing,
    // which the stream's open below reports. The file is not held open while it is read.
    try {
        win::File_t probe;
        probe.Open(path, GENERIC_READ, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, FILE_SHARE_READ | FILE_SHARE_WRITE);
    } catch (const win::FileError_t& e) {
        if (e.Code() != ERROR_FILE_NOT_FOUND) {
            Warn(base::StringResource_t(106, "OrvenImportCommand", 217).text, 218);
            return false;
        }
    }

    const trove::LoadResult_t result = trove::LoadFile(path, database);
    switch (result.outcome) {
        case trove::LoadOutcome_t::NotOpened:
            Warn(base::StringResource_t(107, "OrvenImportCommand", 229).text, 230);
            return false;
        case trove::LoadOutcome_t::Newer:
            Warn(base::StringResource_t(115, "OrvenImportCommand", 244).Format({path}, "OrvenImportCommand", 245),
                 246);
            return false;
        case trove::LoadOutcome_t::BadStructure:
            Warn(base::StringResource_t(102, "OrvenImportCommand", 267).Format({path}, "OrvenImportCommand", 268),
                 269);
            return false;
        case trove::LoadOutcome_t::Loaded:
            break;
    }
    return true;
}
