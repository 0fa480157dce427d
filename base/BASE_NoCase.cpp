#include "base/BASE_NoCase.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "base/BASE_CodePage.h"
#include "base/BASE_Exception.h"
#include "base/BASE_MBString.h"

namespace base {

namespace {

// Bytes 0x01 to 0x7F are single-byte characters in every code page the system runs on.
// Tables compare names many times per insertion, so the texts are looked at eight bytes at a
// time: a byte of 0 or of 0x80 and above leaves a high bit in (w - 0x01..01) | w.
constexpr std::uint64_t kOnes = 0x0101010101010101u;
constexpr std::uint64_t kHighBits = 0x8080808080808080u;

std::uint64_t Load8(const char* p) {
    std::uint64_t w;
    std::memcpy(&w, p, sizeof w);
    return w;
}

bool AllPlain(std::uint64_t w) {
    return (((w - kOnes) | w) & kHighBits) == 0;
}

bool PlainAscii(const std::string& text) {
    const char* p = text.data();
    const std::size_t n = text.size();
    if (n < 8) {
        std::uint64_t w = 0x4141414141414141u;  // padded with plain letters
        std::memcpy(&w, p, n);
        return AllPlain(w);
    }
    for (std::size_t i = 0; i + 8 <= n; i += 8) {
        if (!AllPlain(Load8(p + i))) return false;
    }
    return AllPlain(Load8(p + n - 8));  // the last bytes, overlapping the words before
}

// The index of the first byte, in memory order, in which two words differ (little-endian).
std::size_t FirstDifference(std::uint64_t a, std::uint64_t b) {
    return static_cast<std::size_t>(__builtin_ctzll(a ^ b)) / 8;
}

// A double-byte character's code is lead * 256 + trail; any other its byte value.
unsigned CharCode(const char* p, int length) {
    const unsigned lead = static_cast<unsigned char>(p[0]);
    return length == 2 ? lead * 256u + static_cast<unsigned char>(p[1]) : lead;
}

}  // namespace

NoCase_t::NoCase_t(const std::locale& locale) {
    const std::ctype<char>& ctype = std::use_facet<std::ctype<char>>(locale);
    for (int c = 0; c < 256; ++c) {
        upper_[c] = static_cast<signed char>(ctype.toupper(static_cast<char>(c)));
    }
    ascii_case_ = true;
    for (int c = 1; c < 0x80; ++c) {
        const int ascii = c >= 'a' && c <= 'z' ? c - ('a' - 'A') : c;
        if (upper_[c] != ascii) ascii_case_ = false;
    }
}

int NoCase_t::CompareChars(const std::string& a, const std::string& b, std::size_t n) const {
    ResetMBState();
    const char* pa = a.data();
    const char* pb = b.data();
    std::size_t rest_a = a.size();
    std::size_t rest_b = b.size();
    for (std::size_t i = 0; i < n; ++i) {
        int la = MBCharLength(pa, rest_a);
        if (la == -1) throw Assert_t("BASE_NoCase", 107);
        int lb = MBCharLength(pb, rest_b);
        if (lb == -1) throw Assert_t("BASE_NoCase", 110);
        // A zero byte inside the text is a character of its own; always move on.
        la = std::max(la, 1);
        lb = std::max(lb, 1);
        if (la == 1 && lb == 1) {
            const signed char ua = upper_[static_cast<unsigned char>(*pa)];
            const signed char ub = upper_[static_cast<unsigned char>(*pb)];
            if (ua != ub) return ua < ub ? -1 : 1;
        } else {
            const unsigned ca = CharCode(pa, la);
            const unsigned cb = CharCode(pb, lb);
            if (ca != cb) return ca < cb ? -1 : 1;
        }
        pa += la;
        pb += lb;
        rest_a -= static_cast<std::size_t>(la);
        rest_b -= static_cast<std::size_t>(lb);
    }
    return 0;
}

bool NoCase_t::Less(const std::string& a, const std::string& b) const {
    if (PlainAscii(a) && PlainAscii(b)) {
        // One byte per character: the same rule without asking the code page.
        const std::size_t n = std::min(a.size(), b.size());
        std::size_t i = 0;
        // Equal bytes are equal characters: skip them eight at a time.
        for (; i + 8 <= n; i += 8) {
            const std::uint64_t wa = Load8(a.data() + i);
            const std::uint64_t wb = Load8(b.data() + i);
            if (wa != wb) {
                i += FirstDifference(wa, wb);
                break;
            }
        }
        for (; i < n; ++i) {
            if (a[i] == b[i]) continue;
            const signed char ua = upper_[static_cast<unsigned char>(a[i])];
            const signed char ub = upper_[static_cast<unsigned char>(b[i])];
            if (ua != ub) return ua < ub;
        }
        return a.size() < b.size();
    }
    const std::size_t count_a = CharCount(a);
    const std::size_t count_b = CharCount(b);
    const int order = CompareChars(a, b, std::min(count_a, count_b));
    if (order != 0) return order < 0;
    return count_a < count_b;
}

NoCase_t::SortKey_t NoCase_t::SortKey(const std::string& text) const {
    SortKey_t key;
    key.length = text.size();
    key.plain = PlainAscii(text);
    if (!key.plain) return key;
    const std::size_t n = std::min<std::size_t>(text.size(), 16);
    if (ascii_case_) {
        // Zero padding stays zero; a to z lose 0x20; every byte of the name gets 0x80.
        std::uint64_t words[2] = {0, 0};
        std::memcpy(words, text.data(), n);
        for (std::size_t w = 0; w < 2; ++w) {
            const std::uint64_t x = words[w];
            const std::uint64_t lower = (x + 0x1F1F1F1F1F1F1F1Fu) & ~(x + 0x0505050505050505u) & kHighBits;
            const std::size_t bytes = n > 8 * w ? std::min<std::size_t>(n - 8 * w, 8) : 0;
            const std::uint64_t present =
                bytes == 8 ? kHighBits : (kHighBits & ((std::uint64_t(1) << (8 * bytes)) - 1));
            words[w] = __builtin_bswap64((x - (lower >> 2)) ^ present);
        }
        key.high = words[0];
        key.low = words[1];
        return key;
    }
    // Signed upper-case values moved to 0..255 keep their order; a name that ends early is
    // padded with 0, below every character but one that maps to -128 (then the keys tie).
    for (std::size_t i = 0; i < 16; ++i) {
        const std::uint64_t v =
            i < n ? static_cast<std::uint8_t>(upper_[static_cast<unsigned char>(text[i])]) ^ 0x80u : 0u;
        if (i < 8) {
            key.high = key.high << 8 | v;
        } else {
            key.low = key.low << 8 | v;
        }
    }
    return key;
}

bool NoCase_t::Equal(const std::string& a, const std::string& b) const {
    const std::size_t count_a = CharCount(a);
    const std::size_t count_b = CharCount(b);
    if (count_a != count_b) return false;
    return CompareChars(a, b, count_a) == 0;
}

namespace {

// The case table of the locale asked for last; callers pass the same locale over and over.
const NoCase_t& CaseTableOf(const std::locale& locale) {
    thread_local std::locale cached_locale = std::locale::classic();
    thread_local NoCase_t cached(cached_locale);
    if (!(locale == cached_locale)) {
        cached = NoCase_t(locale);
        cached_locale = locale;
    }
    return cached;
}

}  // namespace

bool NameLess(const std::string& a, const std::string& b, const std::locale& locale) {
    return CaseTableOf(locale).Less(a, b);
}

bool NameEqual(const std::string& a, const std::string& b, const std::locale& locale) {
    return CaseTableOf(locale).Equal(a, b);
}

}  // namespace base
