#include "trove/TROVE_RouteLink.h"

#include "trove/TROVE_BoxIo.h"
#include "trove/bin/BIN_StreamDecode.h"

namespace trove {

void RouteLink_t::Write(bin::ostream& out) const {
    out.WriteText(link_text).Write(link_class).Write(link_number_1).Write(link_number_2);
    out.Write(link_short).Write(link_kind).WritePositions(link_points);
    WriteBox(out, link_bounds);
}

void RouteLink_t::Read(bin::istream& in, std::uint16_t data_version) {
    bin::DecodeStream(in, [&](bin::SpanReader_t& bytes) { Read(bytes, data_version); });
}

void RouteLink_t::Read(bin::SpanReader_t& in, std::uint16_t data_version) {
    RouteLink_t link;
    in.ReadText(link.link_text).Read(link.link_class).Read(link.link_number_1).Read(link.link_number_2);
    if (in.fail()) return;
    if (data_version <= 100) {
        std::uint8_t narrow = 0;
        in.ReadByte(narrow);
        link.link_short = narrow;
    } else {
        in.Read(link.link_short);
    }
    if (in.fail()) return;
    in.Read(link.link_kind).ReadPositions(link.link_points);
    ReadBox(in, link.link_bounds);
    if (in.fail()) return;
    if (link.link_class < 0 || link.link_class > kMaxLinkClass || link.link_kind < 0 ||
        link.link_kind > kMaxLinkKind) {
        in.setstate(std::ios::failbit);
        return;
    }
    *this = link;
}

}  // namespace trove
