#include "trove/TROVE_Map.h"

#include "trove/bin/BIN_StreamDecode.h"

namespace trove {

std::string Map_t::Describe() const {
    return "Map: " + name;
}

void Map_t::Write(bin::ostream& out) const {
    out.Write(map_value).Write(map_number).WriteText(map_text_1).WriteText(name).WriteText(map_text_2);
    if (map_items.empty()) return;
    for (const std::uint32_t item : map_items) out.Write(item);
    out.Write(std::uint32_t(0));
}

void Map_t::Read(bin::istream& in) {
    bin::DecodeStream(in, [this](bin::SpanReader_t& bytes) { Read(bytes); });
}

void Map_t::Read(bin::SpanReader_t& in) {
    Map_t map;
    in.Read(map.map_value).Read(map.map_number).ReadText(map.map_text_1).ReadText(map.name);
    in.ReadText(map.map_text_2);
    if (in.fail()) return;
    if (in.MoreBytes()) {
        for (;;) {
            std::uint32_t item = 0;
            in.Read(item);
            if (in.fail() || item == 0) break;
            map.map_items.push_back(item);
        }
    }
    if (!in.fail()) *this = map;
}

bool operator<(const Map_t& a, const Map_t& b) {
    if (a.map_value != b.map_value) return a.map_value < b.map_value;
    return a.map_number < b.map_number;
}

}  // namespace trove
