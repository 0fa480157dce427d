#include "trove/TROVE_WaypointRead.h"

#include <string_view>
#include <utility>

#include "trove/TROVE_Name.h"
#include "trove/bin/BIN_StreamDecode.h"

namespace trove {

namespace {

constexpr std::int32_t kMaxEnumA = 2;
constexpr std::int32_t kMaxEnumB = 16;

// Reads the texts of one body: each is made in the arena when there is one, straight from
// the record's bytes.
class TextReader_t {
public:
    TextReader_t(bin::SpanReader_t& in, base::Arena_t* arena) : in_(in), arena_(arena) {}

    void Read(base::ArenaString_t& dst, bool cut_blanks = false) {
        std::string_view text;
        in_.ReadTextView(text);
        // A failed body is dropped whole, so what a failed read kept does not matter.
        if (in_.fail()) return;
        if (cut_blanks) text = WithoutTrailingBlanks(text);
        if (arena_ != nullptr) {
            dst.Assign(*arena_, text);
        } else {
            dst = text;
        }
    }

private:
    bin::SpanReader_t& in_;
    base::Arena_t* arena_;
};

}  // namespace

void ReadWaypointBodyInPlace(bin::SpanReader_t& in, Waypoint_t& body, std::uint16_t data_version,
                             base::Arena_t* arena) {
    TextReader_t texts(in, arena);
    std::int32_t symbol = body.symbol;
    in.ReadPosition(body.position);
    // As when a body is built from values: trailing blanks of text_1 cut.
    texts.Read(body.text_1, true);
    in.ReadOptionalReal(body.real_1);
    in.ReadEnum(body.enum_a, 0, kMaxEnumA).ReadEnum(body.enum_b, 0, kMaxEnumB);
    in.ReadEnum(symbol, kFirstSymbol, kLastSymbol);
    texts.Read(body.text_2);
    texts.Read(body.text_3);
    texts.Read(body.text_4);
    in.ReadByte(body.byte_1).ReadOptionalReal(body.real_2);
    texts.Read(body.text_5);
    texts.Read(body.text_6);
    if (data_version >= 102) {
        std::uint32_t number_1 = 0;
        in.Read(number_1);
        texts.Read(body.text_7);
        body.number_1 = number_1;  // 2^31 and above stay positive
    }
    if (in.fail()) return;
    body.symbol = static_cast<Symbol_t>(symbol);
}

void ReadWaypointBodyInPlace(bin::istream& in, Waypoint_t& body, std::uint16_t data_version,
                             base::Arena_t* arena) {
    bin::DecodeStream(
        in, [&](bin::SpanReader_t& bytes) { ReadWaypointBodyInPlace(bytes, body, data_version, arena); });
}

void ReadWaypointBody(bin::SpanReader_t& in, Waypoint_t& target, std::uint16_t data_version) {
    Waypoint_t body;
    ReadWaypointBodyInPlace(in, body, data_version);
    if (!in.fail()) target = std::move(body);
}

void ReadWaypointBody(bin::istream& in, Waypoint_t& target, std::uint16_t data_version) {
    bin::DecodeStream(in, [&](bin::SpanReader_t& bytes) { ReadWaypointBody(bytes, target, data_version); });
}

}  // namespace trove
