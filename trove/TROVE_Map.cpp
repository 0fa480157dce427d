#include "trove/TROVE_Map.h"

namespace trove {

namespace {

// True when another byte follows; at the end only the eof bit is set.
bool MoreBytes(bin::istream& in) {
    if (!in.good() || in.rdbuf() == nullptr) return false;
    if (std::char_traits<char>::eq_int_type(in.rdbuf()->sgetc(), std::char_traits<char>::eof())) {
        in.setstate(std::ios::eofbit);
        return false;
    }
    return true;
}

}  // namespace

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
    Map_t map;
    in.Read(map.map_value).Read(map.map_number).ReadText(map.map_text_1).ReadText(map.name);
    in.ReadText(map.map_text_2);
    if (in.fail()) return;
    if (MoreBytes(in)) {
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
