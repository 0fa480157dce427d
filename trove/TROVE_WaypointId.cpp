#include "trove/TROVE_WaypointId.h"

#include <string_view>
#include <utility>

#include "trove/TROVE_DocInfo.h"
#include "trove/TROVE_NameOrder.h"
#include "trove/bin/BIN_StreamDecode.h"

namespace trove {

WaypointId_t::WaypointId_t(const Name_t& name_, std::int32_t id_class_, const std::string& id_text_,
                           std::uint32_t id_number_1_, std::uint32_t id_number_2_, const IdBlock_t& id_block_,
                           std::uint16_t id_short_, std::uint32_t id_number_3_)
    : name(name_),
      id_class(id_class_),
      id_text(id_text_),
      id_number_1(id_number_1_),
      id_number_2(id_number_2_),
      id_block(id_block_),
      id_short(id_short_),
      id_number_3(id_number_3_) {}

std::string WaypointId_t::Describe() const {
    return "Waypoint: " + name.text;
}

void WaypointId_t::Write(bin::ostream& out) const {
    name.Write(out);
    out.Write(id_class).WriteText(id_text).Write(id_number_1).Write(id_number_2).WriteBlock(id_block.Bytes());
    out.Write(id_short).Write(id_number_3);
}

void WaypointId_t::Read(bin::istream& in) {
    Read(in, TheDocInfo().data_version);
}

void WaypointId_t::Read(bin::istream& in, std::uint16_t data_version) {
    Read(in, data_version, nullptr);
}

void WaypointId_t::Read(bin::istream& in, std::uint16_t data_version, base::Arena_t* arena) {
    bin::DecodeStream(in, [&](bin::SpanReader_t& bytes) { Read(bytes, data_version, arena); });
}

void WaypointId_t::Read(bin::SpanReader_t& in, std::uint16_t data_version, base::Arena_t* arena) {
    WaypointId_t& key = *this;
    // Read into plain values, taken by the key only when all of them arrived.
    std::string_view read_name;
    std::int32_t read_class = 0;
    std::string_view read_text;
    std::uint32_t number_1 = 0;
    std::uint32_t number_2 = 0xFFFFFFFF;
    std::uint8_t block[kWaypointBlockSize];
    std::uint16_t read_short = 0;
    std::uint32_t number_3 = 0xFFFFFFFF;
    in.ReadTextView(read_name);
    in.Read(read_class).ReadTextView(read_text).Read(number_1).Read(number_2);
    in.ReadRaw(block, kWaypointBlockSize);
    if (in.fail()) return;
    if (data_version <= 100) {
        std::uint8_t narrow = 0;
        in.ReadByte(narrow);
        read_short = narrow;
    } else {
        in.Read(read_short);
    }
    if (in.fail()) return;
    if (data_version >= 103) {
        in.Read(number_3);
        if (in.fail()) return;
    }
    // Data version 102 stored the two numbers of route-type keys the other way round. The
    // type code looked at is this key's own, as it was before the read.
    if (data_version == 102 && !key.id_block.empty() && (key.id_block[0] == 31 || key.id_block[0] == 33)) {
        std::swap(number_2, number_3);
    }
    if (read_class < 0 || read_class > kMaxWaypointClass) {
        in.setstate(std::ios::failbit);
        return;
    }
    // A name's trailing blanks never count.
    key.name.text = WithoutTrailingBlanks(read_name);
    key.id_class = read_class;
    if (arena != nullptr) {
        key.id_text.Assign(*arena, read_text);
    } else {
        key.id_text = read_text;
    }
    key.id_number_1 = number_1;
    key.id_number_2 = number_2;
    key.id_block.assign(block, block + kWaypointBlockSize);
    key.id_short = read_short;
    key.id_number_3 = number_3;
}

bool operator<(const WaypointId_t& a, const WaypointId_t& b) {
    return NameLess(a.name.text, b.name.text);
}

bool WaypointFullLess_t::operator()(const WaypointId_t& a, const WaypointId_t& b) const {
    if (NameLess(a.name.text, b.name.text)) return true;
    if (NameLess(b.name.text, a.name.text)) return false;
    if (a.id_class != b.id_class) return a.id_class < b.id_class;
    if (const int texts = a.id_text.compare(b.id_text)) return texts < 0;  // bytes as unsigned
    if (a.id_number_1 != b.id_number_1) return a.id_number_1 < b.id_number_1;
    if (a.id_number_2 != b.id_number_2) return a.id_number_2 < b.id_number_2;
    if (a.id_block != b.id_block) return a.id_block < b.id_block;
    if (a.id_short != b.id_short) return a.id_short < b.id_short;
    return a.id_number_3 < b.id_number_3;
}

}  // namespace trove
