#include "trove/TROVE_BoxIo.h"

#include "trove/bin/BIN_StreamDecode.h"

namespace trove {

void ReadBox(bin::istream& in, geo::Box_t& box) {
    bin::DecodeStream(in, [&box](bin::SpanReader_t& bytes) { ReadBox(bytes, box); });
}

void ReadBox(bin::SpanReader_t& in, geo::Box_t& box) {
    std::uint8_t empty = 0;
    in.ReadByte(empty);
    if (in.fail()) return;
    if (empty != 0) {
        box = geo::Box_t();
        return;
    }
    geo::Position_t first;
    geo::Position_t second;
    in.ReadPosition(first).ReadPosition(second);
    if (!in.fail()) box = geo::Box_t(first, second);
}

void WriteBox(bin::ostream& out, const geo::Box_t& box) {
    if (box.Empty()) {
        out.PutByte(1);
        return;
    }
    out.PutByte(0).WritePosition(box.FirstCorner()).WritePosition(box.SecondCorner());
}

}  // namespace trove
