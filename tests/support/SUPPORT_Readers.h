#pragma once
// Runs the data-file readers over bytes in memory as the load runs them (header, then the
// matching reader, with a document information of the test's own), but leaves the change set
// open for the test to look at.
#include <string>

#include "trove/TROVE_Database.h"
#include "trove/TROVE_DocInfo.h"
#include "trove/TROVE_LegacyReader.h"
#include "trove/TROVE_Load.h"
#include "trove/TROVE_RecordReader.h"
#include "trove/bin/BIN_SpanStream.h"
#include "trove/bin/BIN_StringStream.h"

namespace support {

// A database as the import makes it: no name, names of at most 3 characters.
inline trove::Database_t ImportDatabase() {
    return trove::Database_t(trove::Name_t(""), 3);
}

inline trove::RenameList_t ReadCurrent(const std::string& bytes, trove::Database_t& db) {
    bin::ispanstream file(bytes);
    trove::DocInfo_t doc;
    trove::LoadResult_t result;
    trove::ReadDataFile(file, db, doc, nullptr, result);
    return result.renamed;
}

inline void ReadLegacy(const std::string& bytes, trove::Database_t& db) {
    bin::stringstream file(bytes);
    trove::ReadLegacyRecords(db, file, 0);
}

}  // namespace support
