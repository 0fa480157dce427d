#include "trove/TROVE_RouteId.h"

#include "trove/TROVE_NameOrder.h"
#include "trove/bin/BIN_StreamDecode.h"

namespace trove {

std::string RouteId_t::Describe() const {
    return "Route: " + name.text;
}

void RouteId_t::Write(bin::ostream& out) const {
    name.Write(out);
    out.PutByte(generated_name);
}

void RouteId_t::Read(bin::istream& in) {
    bin::DecodeStream(in, [this](bin::SpanReader_t& bytes) { Read(bytes); });
}

void RouteId_t::Read(bin::SpanReader_t& in) {
    RouteId_t key;
    key.name.Read(in);
    in.ReadByte(key.generated_name);
    if (!in.fail()) *this = key;
}

bool operator<(const RouteId_t& a, const RouteId_t& b) {
    return NameLess(a.name.text, b.name.text);
}

}  // namespace trove
