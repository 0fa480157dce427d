#pragma once
// Writes data files record by record from values, for tests, examples, seeds and benchmarks.
//
// Current framing (after the 6-byte start "TbRc" + format_version u16):
//   payload length u32 | type letter 1 byte | payload
// Legacy framing (no signature, no header; records from offset 0):
//   type letter 1 byte | payload length u16 | payload
// Minimal current header = 23 bytes: "TbRc", 100 as u16, D record (5 + 2), A record (5 + 5).
// Payload layouts: see TBK_Payload.h.
//
// Typical use:
//   tbk::FileBuilder_t file(103);
//   file.Header().Waypoint(w).Route(r);
//   file.Save(path);
// Damaged files: write the header pieces out of order or leave some out, use Record() with any
// letter, payload and declared length, Raw() for loose bytes, CutLast() to end a file short.
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>

#include "tbk/TBK_Values.h"

namespace tbk {

enum class Framing { current, legacy };

struct HeaderValues_t {
    std::uint16_t format_version = 100;
    std::uint16_t a_number = 0;
    std::string a_text_1;
    std::string a_text_2;
    std::string a_text_3;
};

class FileBuilder_t {
public:
    // An empty current-format file whose records take the layouts of data_version.
    explicit FileBuilder_t(int data_version = 105, Framing framing = Framing::current);
    // An empty legacy file; its records take the layouts of data version 0 (that is, 100).
    static FileBuilder_t Legacy() { return FileBuilder_t(0, Framing::legacy); }

    // The whole header: signature, format version, D with this builder's data version, A.
    FileBuilder_t& Header(const HeaderValues_t& values = HeaderValues_t());
    FileBuilder_t& Signature(const std::string& bytes = "TbRc");  // written raw, any length
    FileBuilder_t& FormatVersion(std::uint16_t format_version = 100);
    FileBuilder_t& DRecord(std::uint16_t data_version);  // leaves the builder's layouts alone
    FileBuilder_t& ARecord(std::uint16_t a_number = 0, const std::string& a_text_1 = std::string(),
                           const std::string& a_text_2 = std::string(),
                           const std::string& a_text_3 = std::string());

    FileBuilder_t& Waypoint(const Waypoint_t& waypoint);
    FileBuilder_t& Waypoint(const WaypointKey_t& key, const WaypointBody_t& body);
    FileBuilder_t& Route(const Route_t& route);
    FileBuilder_t& Track(const Track_t& track);
    FileBuilder_t& Map(const Map_t& map);
    FileBuilder_t& Route0(const Route0_t& entry);
    FileBuilder_t& Volume(const Volume_t& volume);

    // Any letter and payload, framed with the payload's length or with declared_length.
    // Legacy framing refuses lengths above 65535 (base::Exception_t).
    FileBuilder_t& Record(char letter, const std::string& payload,
                          std::optional<std::uint32_t> declared_length = std::nullopt);
    FileBuilder_t& Raw(const std::string& bytes);
    // Drops the last n bytes still held (a file cut short).
    FileBuilder_t& CutLast(std::size_t n);

    int DataVersion() const { return data_version_; }
    Framing FileFraming() const { return framing_; }

    // The bytes held (the whole file unless some were drained).
    const std::string& Bytes() const { return bytes_; }
    // Every byte written so far, drained ones included.
    std::uint64_t Size() const { return drained_ + bytes_.size(); }
    void Save(const std::string& path) const;
    // Writes the bytes held to out and forgets them, so that big files stream.
    void DrainTo(std::ostream& out);

private:
    int data_version_;
    Framing framing_;
    std::string bytes_;
    std::uint64_t drained_ = 0;
};

}  // namespace tbk
