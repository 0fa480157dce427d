#include <ctype.h>

#include "base/BASE_CrtCtype.h"

namespace base {

namespace {

// The run-time's class bits in the facet's terms (the two need not share a layout).
std::ctype_base::mask MaskOf(unsigned short bits) {
    using m = std::ctype_base;
    std::ctype_base::mask mask = 0;
    if (bits & _UPPER) mask |= m::upper;
    if (bits & _LOWER) mask |= m::lower;
    if (bits & _ALPHA) mask |= m::alpha;  // _ALPHA holds the upper and lower bits too
    if (bits & _DIGIT) mask |= m::digit;
    if (bits & _HEX) mask |= m::xdigit;
    if (bits & _SPACE) mask |= m::space;
    if (bits & _PUNCT) mask |= m::punct;
    if (bits & _CONTROL) mask |= m::cntrl;
    if (bits & _BLANK) mask |= m::blank;
    if (bits & (_BLANK | _PUNCT | _ALPHA | _DIGIT)) mask |= m::print;  // the run-time's isprint
    return mask;
}

}  // namespace

CtypeTables_t CrtCtypeTables() {
    const unsigned short* classes = __pctype_func();
    CtypeTables_t t;
    for (int c = 0; c < 256; ++c) {
        t.masks[c] = MaskOf(classes[c]);
        t.upper[c] = static_cast<unsigned char>((::toupper)(c));
        t.lower[c] = static_cast<unsigned char>((::tolower)(c));
    }
    return t;
}

}  // namespace base
