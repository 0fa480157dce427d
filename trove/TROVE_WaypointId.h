#pragma once
// The key of a waypoint. Tables order waypoint keys by name alone (operator<, see
// TROVE_NameOrder.h); WaypointFullLess_t orders by every member.
#include <cstdint>
#include <string>
#include <vector>

#include "base/BASE_Arena.h"
#include "base/BASE_ArenaString.h"
#include "trove/TROVE_IdBlock.h"
#include "trove/TROVE_Key.h"
#include "trove/TROVE_Name.h"
#include "trove/bin/BIN_IStream.h"
#include "trove/bin/BIN_OStream.h"
#include "trove/bin/BIN_SpanReader.h"

namespace trove {

constexpr std::int32_t kMaxWaypointClass = 12;
constexpr std::size_t kWaypointBlockSize = 8;

class WaypointId_t : public Key_t {
public:
    // Provided, not defaulted: a key made for a table node is then not zero-filled first.
    WaypointId_t() {}
    WaypointId_t(const Name_t& name, std::int32_t id_class, const std::string& id_text,
                 std::uint32_t id_number_1, std::uint32_t id_number_2,
                 const IdBlock_t& id_block, std::uint16_t id_short,
                 std::uint32_t id_number_3);
    WaypointId_t(const WaypointId_t&) = default;
    WaypointId_t& operator=(const WaypointId_t&) = default;

    std::string Describe() const override;  // "Waypoint: <name>"
    // The layout of data version 103 and higher.
    virtual void Write(bin::ostream& out) const;
    // The layout of the data version of the last header read (trove::TheDocInfo()).
    virtual void Read(bin::istream& in);
    // The whole key is read into a default key and copied here only when every field arrived
    // and id_class is 0 to 12 (otherwise the fail bit is set); on failure this key is unchanged.
    void Read(bin::istream& in, std::uint16_t data_version);
    // The same, with id_text made in arena (as a database's reader does for its own nodes).
    void Read(bin::istream& in, std::uint16_t data_version, base::Arena_t* arena);
    // The same from a record's bytes in memory: the layout itself, which the stream forms read
    // through.
    void Read(bin::SpanReader_t& in, std::uint16_t data_version, base::Arena_t* arena = nullptr);

    Name_t name;
    std::int32_t id_class = 0;
    base::ArenaString_t id_text;  // read like std::string
    std::uint32_t id_number_1 = 0;
    std::uint32_t id_number_2 = 0xFFFFFFFF;
    IdBlock_t id_block = IdBlock_t(kWaypointBlockSize, 0xFF);
    std::uint16_t id_short = 0;
    std::uint32_t id_number_3 = 0xFFFFFFFF;
};

// The table order: by name alone.
bool operator<(const WaypointId_t& a, const WaypointId_t& b);

// Every member in turn: name (name order), id_class, id_text, id_number_1, id_number_2,
// id_block, id_short, id_number_3.
struct WaypointFullLess_t {
    bool operator()(const WaypointId_t& a, const WaypointId_t& b) const;
};

}  // namespace trove
