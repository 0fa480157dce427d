#include "trove/TROVE_Route0Read.h"

namespace trove {

void ReadRoute0Entry(bin::SpanReader_t& in, Route0Entry_t& target) {
    Route0Entry_t entry;
    entry.route.Read(in);
    in.ReadByte(entry.rt0_flag);
    if (!in.fail()) target = entry;
}

}  // namespace trove
