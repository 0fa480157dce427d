#include "trove/TROVE_Load.h"

#include "trove/TROVE_Database.h"
#include "trove/TROVE_LegacyReader.h"
#include "trove/TROVE_RecordReader.h"
#include "trove/bin/BIN_IFStream.h"
#include "trove/bin/BIN_SpanStream.h"

namespace trove {

void ReadDataFile(bin::istream& file, Database_t& db, DocInfo_t& doc, LoadNotes_t* notes, LoadResult_t& result) {
    doc.ReadHeader(file);
    if (doc.signature == kDocSignature) {
        result.format = FileFormat_t::Current;
        if (doc.format_version > kFormatVersion || doc.data_version > kDataVersion) {
            result.outcome = LoadOutcome_t::Newer;
            return;
        }
        result.renamed = ReadRecords(db, file, doc.data_version, notes);
    } else {
        result.format = FileFormat_t::Legacy;
        file.seekg(0);
        ReadLegacyRecords(db, file, doc.data_version, notes);
    }
}

LoadResult_t LoadStream(bin::istream& file, Database_t& db, DocInfo_t& doc, LoadNotes_t* notes) {
    LoadResult_t result;
    try {
        ReadDataFile(file, db, doc, notes, result);
        if (result.outcome == LoadOutcome_t::Newer) return result;
    } catch (const BadStream_t& e) {
        result.outcome = LoadOutcome_t::BadStructure;
        result.error = e;
        return result;
    }
    db.EndChanges();
    result.outcome = LoadOutcome_t::Loaded;
    return result;
}

LoadResult_t LoadFile(const std::string& path, Database_t& db, DocInfo_t& doc, LoadNotes_t* notes) {
    bin::ifstream file(path, std::ios_base::in);
    if (file.fail()) return LoadResult_t();
    return LoadStream(file, db, doc, notes);
}

LoadResult_t LoadBytes(std::string_view bytes, Database_t& db, DocInfo_t& doc, LoadNotes_t* notes) {
    bin::ispanstream file(bytes);
    return LoadStream(file, db, doc, notes);
}

}  // namespace trove
