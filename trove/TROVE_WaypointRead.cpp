#include "trove/TROVE_WaypointRead.h"

#include <string>
#include <utility>

#include "trove/TROVE_Name.h"

namespace trove {

namespace {

constexpr std::int32_t kMaxEnumA = 2;
constexpr std::int32_t kMaxEnumB = 16;

}  // namespace

void ReadWaypointBodyInPlace(bin::istream& in, Waypoint_t& body, std::uint16_t data_version) {
    std::int32_t symbol = body.symbol;
    in.ReadPosition(body.position).ReadText(body.text_1).ReadOptionalReal(body.real_1);
    in.ReadEnum(body.enum_a, 0, kMaxEnumA).ReadEnum(body.enum_b, 0, kMaxEnumB);
    in.ReadEnum(symbol, kFirstSymbol, kLastSymbol);
    in.ReadText(body.text_2).ReadText(body.text_3).ReadText(body.text_4).ReadByte(body.byte_1);
    in.ReadOptionalReal(body.real_2).ReadText(body.text_5).ReadText(body.text_6);
    if (data_version >= 102) {
        std::uint32_t number_1 = 0;
        in.Read(number_1).ReadText(body.text_7);
        body.number_1 = number_1;  // 2^31 and above stay positive
    }
    if (in.fail()) return;
    body.symbol = static_cast<Symbol_t>(symbol);
    // As when a body is built from values: trailing blanks cut.
    TrimTrailingBlanksInPlace(body.text_1);
}

void ReadWaypointBody(bin::istream& in, Waypoint_t& target, std::uint16_t data_version) {
    Waypoint_t body;
    ReadWaypointBodyInPlace(in, body, data_version);
    if (!in.fail()) target = std::move(body);
}

}  // namespace trove
