#include "trove/bin/BIN_Record.h"

#include <climits>
#include <streambuf>
#include <string_view>

#include "trove/bin/BIN_Decode.h"
#include "trove/bin/BIN_OutOfMemory.h"

namespace bin {

namespace {

// Payload length (32-bit) and type letter.
constexpr std::size_t kHeaderBytes = 5;

// The file's read-ahead: the bytes its buffer holds unread, and a step past them. Records are
// small and framed by the million, so a record wholly there is taken in one copy, without the
// buffer's virtual calls per field. Pointers to the protected members, named through this
// class, reach any buffer's own.
class ReadAhead_t : public std::streambuf {
public:
    static std::string_view Unread(std::streambuf& buf) noexcept {
        char* const next = (buf.*&ReadAhead_t::gptr)();
        char* const end = (buf.*&ReadAhead_t::egptr)();
        if (next == nullptr) return std::string_view();
        return std::string_view(next, static_cast<std::size_t>(end - next));
    }
    static void Skip(std::streambuf& buf, std::size_t n) noexcept {
        while (n > 0) {
            const std::size_t step = n > INT_MAX ? INT_MAX : n;
            (buf.*&ReadAhead_t::gbump)(static_cast<int>(step));
            n -= step;
        }
    }
};

// Appends up to length payload bytes from the file at the record's write position.
void CopyPayload(istream& file, stringstream& rec, std::uint32_t length) {
    if (length == 0 || !file.good()) return;
    std::size_t copied = 0;
    try {
        copied = rec.rdbuf()->CopyFrom<ReadAhead_t>(*file.rdbuf(), length);
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
        const std::string_view ahead = ReadAhead_t::Unread(buffer);
        if (ahead.size() >= kHeaderBytes) {
            const auto* header = reinterpret_cast<const std::uint8_t*>(ahead.data());
            const auto payload = static_cast<std::uint32_t>(Int32At(header));
            if (ahead.size() - kHeaderBytes >= payload) {
                rec.type = header[4];
                rec.clear();
                rec.rdbuf()->WriteFromStart(ahead.data() + kHeaderBytes,
                                            ahead.data() + kHeaderBytes + payload);
                ReadAhead_t::Skip(buffer, kHeaderBytes + payload);
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
