#include "trove/bin/BIN_Record.h"

#include <string_view>

#include "trove/bin/BIN_Decode.h"
#include "trove/bin/BIN_GetArea.h"
#include "trove/bin/BIN_OutOfMemory.h"

namespace bin {

namespace {

// Payload length (32-bit) and type letter.
constexpr std::size_t kHeaderBytes = 5;

// Appends up to length payload bytes from the file at the record's write position.
void CopyPayload(istream& file, stringstream& rec, std::uint32_t length) {
    if (length == 0 || !file.good()) return;
    std::size_t copied = 0;
    try {
        copied = rec.rdbuf()->CopyFrom(*file.rdbuf(), length);
    } catch (...) {
        RethrowOutOfMemory();
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
    // A record wholly in the file's read-ahead (nearly every one but a long track) is taken
    // from there in one copy, with the same outcome as the reads below.
    if (file.good()) {
        std::streambuf& buffer = *file.rdbuf();
        const std::string_view ahead = GetArea_t<char, std::char_traits<char>>::Unread(buffer);
        if (ahead.size() >= kHeaderBytes) {
            const auto* header = reinterpret_cast<const std::uint8_t*>(ahead.data());
            const auto payload = static_cast<std::uint32_t>(Int32At(header));
            if (ahead.size() - kHeaderBytes >= payload) {
                rec.type = header[4];
                rec.clear();
                rec.rdbuf()->WriteFromStart(ahead.data() + kHeaderBytes,
                                            ahead.data() + kHeaderBytes + payload);
                GetArea_t<char, std::char_traits<char>>::Skip(buffer, kHeaderBytes + payload);
                return;
            }
        }
    }
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
