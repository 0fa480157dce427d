#include "tbk/TBK_FileBuilder.h"

#include <fstream>
#include <ostream>

#include "base/BASE_Exception.h"
#include "tbk/TBK_ByteWriter.h"
#include "tbk/TBK_Payload.h"

namespace tbk {

FileBuilder_t::FileBuilder_t(int data_version, Framing framing)
    : data_version_(data_version), framing_(framing) {}

FileBuilder_t& FileBuilder_t::Header(const HeaderValues_t& values) {
    Signature();
    FormatVersion(values.format_version);
    DRecord(static_cast<std::uint16_t>(data_version_));
    return ARecord(values.a_number, values.a_text_1, values.a_text_2, values.a_text_3);
}

FileBuilder_t& FileBuilder_t::Signature(const std::string& bytes) {
    return Raw(bytes);
}

FileBuilder_t& FileBuilder_t::FormatVersion(std::uint16_t format_version) {
    ByteWriter_t w;
    w.U16(format_version);
    return Raw(w.Bytes());
}

FileBuilder_t& FileBuilder_t::DRecord(std::uint16_t data_version) {
    return Record('D', DPayload(data_version));
}

FileBuilder_t& FileBuilder_t::ARecord(std::uint16_t a_number, const std::string& a_text_1,
                                      const std::string& a_text_2, const std::string& a_text_3) {
    return Record('A', APayload(a_number, a_text_1, a_text_2, a_text_3));
}

FileBuilder_t& FileBuilder_t::Waypoint(const Waypoint_t& waypoint) {
    return Record('W', WaypointPayload(waypoint, data_version_));
}

FileBuilder_t& FileBuilder_t::Waypoint(const WaypointKey_t& key, const WaypointBody_t& body) {
    return Waypoint(Waypoint_t{key, body});
}

FileBuilder_t& FileBuilder_t::Route(const Route_t& route) {
    return Record('R', RoutePayload(route, data_version_));
}

FileBuilder_t& FileBuilder_t::Track(const Track_t& track) {
    return Record('T', TrackPayload(track));
}

FileBuilder_t& FileBuilder_t::Map(const Map_t& map) {
    return Record('L', MapPayload(map));
}

FileBuilder_t& FileBuilder_t::Route0(const Route0_t& entry) {
    return Record('0', Route0Payload(entry));
}

FileBuilder_t& FileBuilder_t::Volume(const Volume_t& volume) {
    return Record('V', VolumePayload(volume));
}

FileBuilder_t& FileBuilder_t::Record(char letter, const std::string& payload,
                                     std::optional<std::uint32_t> declared_length) {
    ByteWriter_t w;
    if (framing_ == Framing::current) {
        if (!declared_length && payload.size() > 0xFFFFFFFFu) {
            throw base::Exception_t(TROVIX_SOURCE, __LINE__, "record payload longer than 2^32 - 1 bytes");
        }
        w.U32(declared_length.value_or(static_cast<std::uint32_t>(payload.size())));
        w.U8(static_cast<std::uint8_t>(letter));
    } else {
        std::uint64_t length = declared_length.value_or(payload.size());
        if (length > 0xFFFF) {
            throw base::Exception_t(TROVIX_SOURCE, __LINE__, "legacy record payload longer than 65535 bytes");
        }
        w.U8(static_cast<std::uint8_t>(letter));
        w.U16(static_cast<std::uint16_t>(length));
    }
    bytes_ += w.Bytes();
    bytes_ += payload;
    return *this;
}

FileBuilder_t& FileBuilder_t::Raw(const std::string& bytes) {
    bytes_ += bytes;
    return *this;
}

FileBuilder_t& FileBuilder_t::CutLast(std::size_t n) {
    if (n > bytes_.size()) {
        throw base::Exception_t(TROVIX_SOURCE, __LINE__, "cannot cut more bytes than are held");
    }
    bytes_.resize(bytes_.size() - n);
    return *this;
}

void FileBuilder_t::Save(const std::string& path) const {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes_.data(), static_cast<std::streamsize>(bytes_.size()));
    out.close();
    if (!out) throw base::Exception_t(TROVIX_SOURCE, __LINE__, "cannot write " + path);
}

void FileBuilder_t::DrainTo(std::ostream& out) {
    out.write(bytes_.data(), static_cast<std::streamsize>(bytes_.size()));
    if (!out) throw base::Exception_t(TROVIX_SOURCE, __LINE__, "cannot write the file");
    drained_ += bytes_.size();
    bytes_.clear();
}

}  // namespace tbk
