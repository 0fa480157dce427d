#include "trove/TROVE_Load.h"

#include "trove/TROVE_Database.h"
#include "trove/TROVE_LegacyReader.h"
#include "trove/TROVE_RecordReader.h"
#include "trove/bin/BIN_IFStream.h"

namespace trove {

LoadResult_t LoadFile(const std::string& path, Database_t& db, DocInfo_t& doc, LoadNotes_t* notes) {
    LoadResult_t result;
    bin::ifstream file(path, std::ios_base::in);
    if (file.fail()) return result;
    try {
        doc.ReadHeader(file);
        if (doc.signature == kDocSignature) {
            result.format = FileFormat_t::Current;
            if (doc.format_version > kFormatVersion || doc.data_version > kDataVersion) {
                result.outcome = LoadOutcome_t::Newer;
                return result;
            }
            result.renamed = ReadRecords(db, file, doc.data_version, notes);
        } else {
            result.format = FileFormat_t::Legacy;
            file.seekg(0);
            ReadLegacyRecords(db, file, doc.data_version, notes);
        }
    } catch (const BadStream_t& e) {
        result.outcome = LoadOutcome_t::BadStructure;
        result.error = e;
        return result;
    }
    db.EndChanges();
    result.outcome = LoadOutcome_t::Loaded;
    return result;
}

}  // namespace trove
