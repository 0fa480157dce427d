#pragma once
// The typed records that a data file is cut into. A record is a binary stream over its own
// payload: extract it from the file, then read its fields from the record itself.
//
//   current framing: payload length (32-bit), type letter, payload
//   legacy framing:  type letter, payload length (16-bit), payload
#include <cstdint>

#include "trove/bin/BIN_SpanReader.h"
#include "trove/bin/BIN_StringStream.h"

namespace bin {

class record_t : public stringstream {
public:
    explicit record_t(std::uint8_t type_letter = 0) : type(type_letter) {}

    std::uint8_t type;
};

class oldrecord_t : public stringstream {
public:
    explicit oldrecord_t(std::uint8_t type_letter = 0) : type(type_letter) {}

    std::uint8_t type;
};

// The decoder of a record's payload: its bytes not read yet, in place while the record lasts
// unchanged.
inline SpanReader_t PayloadReader(const stringstream& rec) {
    return SpanReader_t(rec.rdbuf()->Unread());
}

// A file that ends inside the header leaves rec unchanged; one that ends inside the payload
// leaves the file with eof and fail. Only the file stream's state tells success.
void ExtractRecord(istream& file, record_t& rec);
void ExtractRecord(istream& file, oldrecord_t& rec);

}  // namespace bin
