#pragma once
// A map description of the database. Maps are ordered by (map_value, map_number), both
// unsigned; the name plays no part in the order.
#include <cstdint>
#include <string>
#include <vector>

#include "trove/TROVE_Key.h"
#include "trove/bin/BIN_IStream.h"
#include "trove/bin/BIN_OStream.h"
#include "trove/bin/BIN_SpanReader.h"

namespace trove {

class Map_t : public Key_t {
public:
    Map_t() = default;
    Map_t(const Map_t&) = default;
    Map_t& operator=(const Map_t&) = default;

    std::string Describe() const override;  // "Map: <name>"

    // The L record payload: map_value, map_number, map_text_1, name, map_text_2, then, when
    // there are items, each item and a terminating 0.
    void Write(bin::ostream& out) const;
    // Items are read only when the payload has bytes left after map_text_2, up to a 0. The map
    // is taken only when the stream has not failed (a list without its 0 fails).
    void Read(bin::istream& in);
    void Read(bin::SpanReader_t& in);

    std::uint32_t map_number = 0;
    std::string name;
    std::uint32_t map_value = 0;
    std::string map_text_1;
    std::string map_text_2;
    std::vector<std::uint32_t> map_items;
};

bool operator<(const Map_t& a, const Map_t& b);

}  // namespace trove
