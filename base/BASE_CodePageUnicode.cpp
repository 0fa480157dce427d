#include "base/BASE_CodePageUnicode.h"

#include <iterator>
#include <vector>

#include "base/BASE_Exception.h"

namespace base {

namespace {

constexpr unsigned kFirstTrail = 0x40;
constexpr unsigned kLastTrail = 0xFE;
constexpr char16_t kNotTrail = 0xFFFF;
constexpr char16_t kReplacement = 0xFFFD;

struct Table_t {
    unsigned code_page;
    const char16_t* single;       // 0x80..0xFF
    const char16_t (*rows)[192];  // one per lead byte, in byte order; null for single-byte pages
};

#include "base/BASE_CodePageUnicode_Tables.inc"

// The row of each lead byte 0x80..0xFF, -1 for single bytes.
struct LeadIndex_t {
    explicit LeadIndex_t(const Table_t& table) {
        int next = 0;
        for (int b = 0; b < 128; ++b) row[b] = table.single[b] == kNotTrail ? next++ : -1;
    }
    int row[128];
};

const Table_t* Find(unsigned code_page) {
    for (const Table_t& t : kTables)
        if (t.code_page == code_page) return &t;
    return nullptr;
}

const LeadIndex_t& IndexOf(const Table_t& table) {
    static const std::vector<LeadIndex_t> indexes(std::begin(kTables), std::end(kTables));
    return indexes[static_cast<std::size_t>(&table - kTables)];
}

void PutUtf8(std::string& out, char16_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

bool HasUnicodeTable(unsigned code_page) {
    return Find(code_page) != nullptr;
}

namespace {

// Calls put(c) for each character of text read in code_page, put(text) for each run of ASCII.
// Returns how many characters became U+FFFD.
template <class PutChar, class PutAscii>
std::size_t Decode(std::string_view text, unsigned code_page, PutChar&& put, PutAscii&& put_ascii) {
    const Table_t* table = Find(code_page);
    if (table == nullptr) throw Assert_t(TROVIX_SOURCE, __LINE__);
    const LeadIndex_t& index = IndexOf(*table);
    std::size_t replaced = 0;
    const std::size_t n = text.size();
    for (std::size_t i = 0; i < n;) {
        // Runs of ASCII, nearly all of most texts, go over in one piece.
        std::size_t ascii = i;
        while (ascii < n && static_cast<unsigned char>(text[ascii]) < 0x80) ++ascii;
        if (ascii != i) put_ascii(text.substr(i, ascii - i));
        i = ascii;
        if (i == n) break;
        const unsigned lead = static_cast<unsigned char>(text[i]);
        char16_t c = table->single[lead - 0x80];
        std::size_t length = 1;
        if (c == kNotTrail) {
            c = kReplacement;  // a lead byte without its trail byte
            if (i + 1 < n) {
                const unsigned trail = static_cast<unsigned char>(text[i + 1]);
                if (trail >= kFirstTrail && trail <= kLastTrail) {
                    const char16_t pair = table->rows[index.row[lead - 0x80]][trail - kFirstTrail];
                    if (pair != kNotTrail) {
                        c = pair;
                        length = 2;
                    }
                }
            }
        }
        if (c == kReplacement) ++replaced;
        put(c);
        i += length;
    }
    return replaced;
}

}  // namespace

std::size_t AppendUtf8(std::string& out, std::string_view text, unsigned code_page) {
    return Decode(
        text, code_page, [&out](char16_t c) { PutUtf8(out, c); },
        [&out](std::string_view ascii) { out.append(ascii); });
}

std::size_t AppendUtf16(std::u16string& out, std::string_view text, unsigned code_page) {
    return Decode(
        text, code_page, [&out](char16_t c) { out += c; },
        [&out](std::string_view ascii) { out.append(ascii.begin(), ascii.end()); });
}

}  // namespace base
