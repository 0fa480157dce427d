#pragma once
// The reader of legacy data files: no signature, no header, records in the legacy framing
// from offset 0. Every record goes through the database's checked operations, which journal
// and notify; their exceptions (trove::KeyExists_t, trove::KeyNotFound_t,
// trove::InvalidRoute_t) pass through unchanged. An attached journal is cleared at the end,
// so that loading cannot be taken back.
//
// Structural faults raise trove::BadStream_t from "TROVE_Database": 468 W record, 507 route-0
// record, 522 L record, 537 V record, 550 end of file (no known record, or a bad stream).
#include <cstdint>

#include "trove/TROVE_Database.h"
#include "trove/TROVE_LoadNote.h"
#include "trove/bin/BIN_IStream.h"

namespace trove {

// data_version is the one the header read left behind for a legacy file (0, read as 100).
// With notes, each record dropped without a failure leaves a note there.
void ReadLegacyRecords(Database_t& db, bin::istream& file, std::uint16_t data_version,
                       LoadNotes_t* notes = nullptr);

}  // namespace trove
