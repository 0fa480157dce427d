#pragma once
// The way from one route point to the next: its attributes, the points along it and their box.
#include <cstdint>
#include <string>
#include <vector>

#include "geo/GEO_Box.h"
#include "geo/GEO_Position.h"
#include "trove/bin/BIN_IStream.h"
#include "trove/bin/BIN_OStream.h"
#include "trove/bin/BIN_SpanReader.h"

namespace trove {

constexpr std::int32_t kMaxLinkClass = 3;
constexpr std::int32_t kMaxLinkKind = 2;

struct RouteLink_t {
    // The layout of data version 101 and higher.
    void Write(bin::ostream& out) const;
    // Stored here only when every field arrived and link_class and link_kind are in range
    // (otherwise the fail bit is set); link_short is one byte up to data version 100.
    void Read(bin::istream& in, std::uint16_t data_version);
    void Read(bin::SpanReader_t& in, std::uint16_t data_version);

    std::string link_text;
    std::int32_t link_class = 0;  // 0 to 3
    std::uint32_t link_number_1 = 0;
    std::uint32_t link_number_2 = 0;
    std::uint16_t link_short = 0;
    std::int32_t link_kind = 0;  // 0 to 2
    std::vector<geo::Position_t> link_points;
    geo::Box_t link_bounds;
};

}  // namespace trove
