#pragma once
// How the formats that write every field as text write a value that is not a text of the file.
#include <cstdint>
#include <string_view>

#include "model/MODEL_Number.h"
#include "model/MODEL_Schema.h"

namespace tool {

// Integers in decimal, reals as MODEL_Number's Real, positions in degrees, times as
// "YYYY-MM-DDThh:mm:ssZ", bytes in hex; empty for an absent value or a text.
// Inline: it is called for most fields of every feature.
inline std::string_view PlainText(const model::Value_t& value, char (&buffer)[400]) {
    using Kind = model::Value_t::Kind_t;
    char(&small)[32] = reinterpret_cast<char(&)[32]>(buffer);
    switch (value.kind) {
        case Kind::Integer:
            return model::Integer(value.integer, small);
        case Kind::Real:
            return model::Real(value.real, buffer);
        case Kind::Degrees:
            return model::Degrees(static_cast<std::int32_t>(value.integer), small);
        case Kind::Time:
            return model::IsoTime(value.integer, small);
        case Kind::Hex: {
            // The block is 8 bytes as read; a longer one is cut where the buffer ends.
            const std::size_t n =
                value.bytes.size() < sizeof buffer / 2 ? value.bytes.size() : sizeof buffer / 2;
            const char* end =
                model::PutHex(buffer, reinterpret_cast<const std::uint8_t*>(value.bytes.data()), n);
            return std::string_view(buffer, static_cast<std::size_t>(end - buffer));
        }
        case Kind::Absent:
        case Kind::Text:
            break;
    }
    return std::string_view();
}

}  // namespace tool
