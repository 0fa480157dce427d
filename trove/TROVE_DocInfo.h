#pragma once
// The document information of a data file: its signature, versions and the A record.
// One object serves the whole program; each header read overwrites it and the record
// readers take their layout decisions from its data_version.
#include <cstdint>
#include <string>

#include "trove/bin/BIN_IStream.h"

namespace trove {

// "TbRc" as the file holds it, read as one little-endian 32-bit value.
constexpr std::uint32_t kDocSignature =
    std::uint32_t('T') | std::uint32_t('b') << 8 | std::uint32_t('R') << 16 | std::uint32_t('c') << 24;
// The highest versions this library reads.
constexpr std::uint16_t kFormatVersion = 100;
constexpr std::uint16_t kDataVersion = 105;

class DocInfo_t {
public:
    explicit DocInfo_t(std::uint16_t application_number = 0);

    // Reads the header from the start of file. A foreign signature is not an error: the
    // signature and the three numbers become 0 and the caller rewinds for the legacy reader.
    // Structural faults raise trove::BadStream_t; fields read before the fault stay.
    void ReadHeader(bin::istream& file);

    std::uint32_t signature = kDocSignature;
    std::uint16_t format_version = kFormatVersion;
    std::uint16_t data_version = kDataVersion;
    std::uint16_t a_number = 0;
    std::string a_text_1;
    std::string a_text_2;
    std::string a_text_3;
};

// The program's one document information, with the defaults until the first header read.
DocInfo_t& TheDocInfo();

}  // namespace trove
