#pragma once
// Runs the data-file readers over bytes in memory, as the load does over a file: the header
// first (into a document information of the test's own), then the matching reader.
#include <string>

#include "trove/TROVE_Database.h"
#include "trove/TROVE_DocInfo.h"
#include "trove/TROVE_LegacyReader.h"
#include "trove/TROVE_RecordReader.h"
#include "trove/bin/BIN_StringStream.h"

namespace support {

// A database as the import makes it: no name, names of at most 3 characters.
inline trove::Database_t ImportDatabase() {
    return trove::Database_t(trove::Name_t(""), 3);
}

inline trove::RenameList_t ReadCurrent(const std::string& bytes, trove::Database_t& db) {
    bin::stringstream file(bytes);
    trove::DocInfo_t doc;
    doc.ReadHeader(file);
    return trove::ReadRecords(db, file, doc.data_version);
}

inline void ReadLegacy(const std::string& bytes, trove::Database_t& db) {
    bin::stringstream file(bytes);
    trove::ReadLegacyRecords(db, file, 0);
}

}  // namespace support
