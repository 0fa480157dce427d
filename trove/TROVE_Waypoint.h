#pragma once
// The body of one waypoint: everything about it except its key. A plain value type; its texts
// are read like std::string (see base::ArenaString_t) and cost nothing when empty.
#include <cstdint>
#include <string>

#include "base/BASE_ArenaString.h"
#include "base/BASE_Optional.h"
#include "geo/GEO_Position.h"
#include "trove/TROVE_Symbol.h"

namespace trove {

class Waypoint_t {
public:
    // Provided, not defaulted: a body made for a table node is then not zero-filled first.
    Waypoint_t() {}
    // text_7 starts empty and byte_2 absent; trailing blanks of text_1 are cut.
    // No range checks: the readers enforce the ranges of enum_a, enum_b and symbol.
    Waypoint_t(const geo::Position_t& position, const std::string& text_1,
               const base::Optional_t<double>& real_1, std::int32_t enum_a, std::int32_t enum_b,
               Symbol_t symbol, const std::string& text_2, const std::string& text_3,
               const std::string& text_4, std::uint8_t byte_1, const base::Optional_t<double>& real_2,
               const std::string& text_5, const std::string& text_6, double number_1);

    std::string Text7() const { return text_7.str(); }

    geo::Position_t position;
    base::ArenaString_t text_1;
    base::Optional_t<double> real_1;
    std::int32_t enum_a = 1;
    std::int32_t enum_b = 0;
    Symbol_t symbol = kDefaultSymbol;
    // The two bytes here rather than in file order: they fill the gap before the next text.
    std::uint8_t byte_1 = 0;
    base::Optional_t<std::uint8_t> byte_2;
    base::ArenaString_t text_2;
    base::ArenaString_t text_3;
    base::ArenaString_t text_4;
    base::Optional_t<double> real_2;  // a length in metres
    base::ArenaString_t text_5;
    base::ArenaString_t text_6;
    double number_1 = 0.0;  // a 32-bit unsigned value held as a real
    base::ArenaString_t text_7;
};

}  // namespace trove
