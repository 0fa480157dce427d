#include "trove/TROVE_PendingOrder.h"

#include "base/BASE_MBString.h"
#include "trove/TROVE_NameOrder.h"

namespace trove {

namespace {

bool PlainAscii(const std::string& text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) - 1u >= 0x7Fu) return false;
    }
    return true;
}

}  // namespace

bool IsValidMultibyte(const std::string& text) {
    return PlainAscii(text) || base::ValidPrefix(text).size() == text.size();
}

bool PendingOrder_t::operator()(const WaypointId_t& a, const WaypointId_t& b) const {
    if (IsValidMultibyte(a.name.text) && IsValidMultibyte(b.name.text)) return WaypointFullLess_t()(a, b);
    const std::string prefix_a = base::ValidPrefix(a.name.text);
    const std::string prefix_b = base::ValidPrefix(b.name.text);
    if (NameLess(prefix_a, prefix_b)) return true;
    if (NameLess(prefix_b, prefix_a)) return false;
    const std::string tail_a = a.name.text.substr(prefix_a.size());
    const std::string tail_b = b.name.text.substr(prefix_b.size());
    if (tail_a != tail_b) return tail_a < tail_b;
    // Same name in every respect that counts: the other members decide, as in the full order.
    WaypointId_t plain_a(a);
    WaypointId_t plain_b(b);
    plain_a.name.text = prefix_a;
    plain_b.name.text = prefix_b;
    return WaypointFullLess_t()(plain_a, plain_b);
}

}  // namespace trove
