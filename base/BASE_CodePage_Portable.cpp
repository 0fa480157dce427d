// The code page seam without the Windows C run-time: our own tables for Windows-1252 and the
// double-byte code pages 932, 936, 949 and 950. Only their structure matters here (which bytes
// lead a double-byte character, which bytes may follow, how single bytes classify and
// upper-case); no text is ever converted.
//
// Decisions:
// - A lead byte followed by a byte outside the code page's trail range (including a zero byte)
//   is an invalid character (-1), as the Windows conversion functions treat it; it never
//   swallows the terminator or the next character.
// - 1252 classifies and cases its upper half as the Windows C run-time does in the locale
//   "English_United States.1252": a-z and the Latin-1 letters 0xE0..0xFE except 0xF7
//   upper-case by -0x20, and 0x9A, 0x9C, 0x9E, 0xFF become 0x8A, 0x8C, 0x8E, 0x9F. White space
//   is 0x09..0x0D, 0x20 and the no-break space 0xA0 (the run-time's table marks it as space and
//   blank).
// - In the double-byte code pages only ASCII letters change case and only ASCII white space is
//   space; 932's single-byte katakana classify as letters (0xA6..0xDF) or punctuation.
#include <map>

#include "base/BASE_CodePage.h"
#include "base/BASE_CodePageTable.h"
#include "base/BASE_TableCtype.h"

namespace base {

namespace {

struct Range_t {
    unsigned char low;
    unsigned char high;
    bool Holds(unsigned char c) const { return c >= low && c <= high; }
};

struct CodePage_t {
    unsigned number;
    Range_t lead[2];  // an empty range is {1, 0}
    Range_t trail[3];
};

constexpr Range_t kNone{1, 0};

const CodePage_t kCodePages[] = {
    {1252, {kNone, kNone}, {kNone, kNone, kNone}},
    {932, {{0x81, 0x9F}, {0xE0, 0xFC}}, {{0x40, 0x7E}, {0x80, 0xFC}, kNone}},
    {936, {{0x81, 0xFE}, kNone}, {{0x40, 0x7E}, {0x80, 0xFE}, kNone}},
    {949, {{0x81, 0xFE}, kNone}, {{0x41, 0x5A}, {0x61, 0x7A}, {0x81, 0xFE}}},
    {950, {{0x81, 0xFE}, kNone}, {{0x40, 0x7E}, {0xA1, 0xFE}, kNone}},
};

const CodePage_t* current = &kCodePages[0];

const CodePage_t* Find(unsigned number) {
    for (const CodePage_t& cp : kCodePages)
        if (cp.number == number) return &cp;
    return nullptr;
}

bool IsLead(const CodePage_t& cp, unsigned char c) {
    return cp.lead[0].Holds(c) || cp.lead[1].Holds(c);
}

bool IsTrail(const CodePage_t& cp, unsigned char c) {
    return cp.trail[0].Holds(c) || cp.trail[1].Holds(c) || cp.trail[2].Holds(c);
}

// Classes of 0x80..0xFF in 1252, one letter a byte:
// '.' none, c control, p punctuation, a letter without case, u upper-case letter,
// l lower-case letter, o lower-case letter that is also punctuation (ª µ º), s space (no-break),
// h control and punctuation (soft hyphen), d digit and punctuation (superscripts).
const char k1252Classes[] =
    ".cplppppapupucuccppppppp..lplclu"
    "spppppppppopphppppddpopppdoppppp"
    "uuuuuuuuuuuuuuuuuuuuuuupuuuuuuul"
    "lllllllllllllllllllllllpllllllll";

std::ctype_base::mask MaskOf(char code) {
    using m = std::ctype_base;
    switch (code) {
        case 'c':
            return m::cntrl;
        case 'p':
            return m::punct | m::print;
        case 'a':
            return m::alpha | m::print;
        case 'u':
            return m::upper | m::alpha | m::print;
        case 'l':
            return m::lower | m::alpha | m::print;
        case 'o':
            return m::lower | m::alpha | m::punct | m::print;
        case 's':
            return m::space | m::blank | m::print;
        case 'h':
            return m::cntrl | m::punct | m::print;
        case 'd':
            return m::digit | m::punct | m::print;
        default:
            return std::ctype_base::mask();
    }
}

CtypeTables_t Tables1252() {
    CtypeTables_t t = ClassicTables();
    for (int c = 0x80; c < 0x100; ++c) t.masks[c] = MaskOf(k1252Classes[c - 0x80]);
    for (int c = 0xE0; c <= 0xFE; ++c) {
        if (c == 0xF7) continue;  // the division sign has no case
        t.upper[c] = static_cast<unsigned char>(c - 0x20);
        t.lower[c - 0x20] = static_cast<unsigned char>(c);
    }
    const unsigned char pairs[][2] = {{0x9A, 0x8A}, {0x9C, 0x8C}, {0x9E, 0x8E}, {0xFF, 0x9F}};
    for (const auto& p : pairs) {
        t.upper[p[0]] = p[1];
        t.lower[p[1]] = p[0];
    }
    return t;
}

CtypeTables_t TablesDoubleByte(const CodePage_t& cp) {
    CtypeTables_t t = ClassicTables();
    if (cp.number == 932) {
        for (int c = 0xA1; c <= 0xA5; ++c) t.masks[c] = MaskOf('p');
        for (int c = 0xA6; c <= 0xDF; ++c) t.masks[c] = MaskOf('a');
    }
    return t;
}

}  // namespace

int MBCharLength(const char* p, std::size_t n) {
    if (p == nullptr || n == 0 || *p == '\0') return 0;
    const auto lead = static_cast<unsigned char>(p[0]);
    if (!IsLead(*current, lead)) return 1;
    if (n < 2 || !IsTrail(*current, static_cast<unsigned char>(p[1]))) return -1;
    return 2;
}

void ResetMBState() {
    // The code pages here carry no shift state.
}

bool IsLeadByte(unsigned char c) {
    return IsLead(*current, c);
}

unsigned CurrentCodePage() {
    return current->number;
}

bool SelectCodePage(unsigned code_page) {
    const CodePage_t* cp = Find(code_page);
    if (cp == nullptr) return false;
    current = cp;
    return true;
}

const std::locale* CodePageLocaleFor(unsigned code_page) {
    static std::map<unsigned, std::locale> built;
    const CodePage_t* cp = Find(code_page);
    if (cp == nullptr) return nullptr;
    auto it = built.find(code_page);
    if (it == built.end()) {
        CtypeTables_t tables = code_page == 1252 ? Tables1252() : TablesDoubleByte(*cp);
        it = built.emplace(code_page, MakeTableLocale(tables)).first;
    }
    return &it->second;
}

const std::locale& CodePageLocale() {
    return *CodePageLocaleFor(current->number);
}

}  // namespace base
