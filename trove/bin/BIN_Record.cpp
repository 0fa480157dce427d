#include "trove/bin/BIN_Record.h"

namespace bin {

namespace {

// Appends up to length payload bytes from the file at the record's write position.
void CopyPayload(istream& file, stringstream& rec, std::uint32_t length) {
    if (length == 0 || !file.good()) return;
    std::size_t copied = 0;
    try {
        copied = rec.rdbuf()->CopyFrom(*file.rdbuf(), length);
    } catch (...) {
        try {
            file.setstate(std::ios_base::badbit);
        } catch (const std::ios_base::failure&) {
        }
        if (file.exceptions() & std::ios_base::badbit) throw;
        return;
    }
    if (copied < length) file.setstate(std::ios_base::eofbit | std::ios_base::failbit);
}

}  // namespace

void ExtractRecord(istream& file, record_t& rec) {
    std::uint32_t length = 0;
    if (!file.Read(length)) return;
    std::uint8_t type = 0;
    if (!file.ReadByte(type)) {
        file.setstate(std::ios_base::failbit);
        return;
    }
    rec.type = type;
    rec.clear();
    rec.rdbuf()->pubseekpos(0, std::ios_base::out);
    CopyPayload(file, rec, length);
    rec.rdbuf()->pubseekpos(0, std::ios_base::in);
}

void ExtractRecord(istream& file, oldrecord_t& rec) {
    std::uint8_t type = 0;
    if (!file.ReadByte(type)) return;
    std::uint16_t length = 0;
    if (!file.Read(length)) {
        file.setstate(std::ios_base::failbit);
        return;
    }
    rec.type = type;
    rec.clear();
    rec.rdbuf()->pubseekpos(0, std::ios_base::out);
    CopyPayload(file, rec, length);
}

}  // namespace bin
