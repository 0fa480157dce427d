// The code page seam without the Windows C run-time: our own tables for every Windows ANSI
// code page, the single-byte 874 and 1250..1258 and the double-byte 932, 936, 949 and 950.
// Only their structure matters here (which bytes lead a double-byte character, which bytes may
// follow, how single bytes classify and change case); no text is ever converted.
//
// Decisions:
// - A lead byte followed by a byte outside the code page's trail range (including a zero byte)
//   is an invalid character (-1), as the Windows conversion functions treat it; it never
//   swallows the terminator or the next character.
// - Classes and case come from scripts/make-codepages.py, by the rule the Windows C run-time
//   builds its tables with: each byte decoded, cased by Unicode's simple case mapping and kept
//   only where the result is one byte of the same code page, classed by its Unicode category.
//   So 1254's dotless i upper-cases to I and its dotted capital I lower-cases to i, while i and
//   I keep the ASCII pair; a byte without a character is a control below 0xA0, else classless.
// - 1252 keeps the table it always had, which records the run-time's answers in
//   "English_United States.1252": the rule would make 0x80 (euro), 0x98 (small tilde) and 0x99
//   (trade mark) punctuation where that table gives them no class, and would not mark 0xAA,
//   0xB5 and 0xBA (ª µ º) as punctuation besides lower-case letters. Its case mapping is the
//   rule's: a-z and 0xE0..0xFE except 0xF7 upper-case by -0x20, and 0x9A, 0x9C, 0x9E, 0xFF
//   become 0x8A, 0x8C, 0x8E, 0x9F. White space is 0x09..0x0D, 0x20 and the no-break space 0xA0.
// - Lead bytes of the double-byte code pages have no class and no case; their other single
//   bytes follow the rule (932's katakana are letters, 0x80 is a control in 932, 949 and 950
//   and punctuation in 936, where it is the euro sign).
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
    {874, {kNone, kNone}, {kNone, kNone, kNone}},
    {1250, {kNone, kNone}, {kNone, kNone, kNone}},
    {1251, {kNone, kNone}, {kNone, kNone, kNone}},
    {1253, {kNone, kNone}, {kNone, kNone, kNone}},
    {1254, {kNone, kNone}, {kNone, kNone, kNone}},
    {1255, {kNone, kNone}, {kNone, kNone, kNone}},
    {1256, {kNone, kNone}, {kNone, kNone, kNone}},
    {1257, {kNone, kNone}, {kNone, kNone, kNone}},
    {1258, {kNone, kNone}, {kNone, kNone, kNone}},
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

// One code page's classes and case mapping of the bytes 0x80..0xFF, generated. The class of
// a byte is one letter (below); a case mapping is a list of byte pairs: the byte, its result.
struct CtypeSource_t {
    unsigned number;
    const char* classes;
    const char* upper;
    const char* lower;
};

#include "base/BASE_CodePageCtype_Tables.inc"

// c control, p punctuation, a letter without case (and combining marks), u upper-case letter,
// l lower-case letter, o lower-case letter that is also punctuation (1252's ª µ º), s space
// (no-break), h control and punctuation (soft hyphen, direction marks), d digit and punctuation
// (superscripts), n digit (Thai digits), '.' none.
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
        case 'n':
            return m::digit | m::print;
        default:
            return std::ctype_base::mask();
    }
}

void ApplyPairs(std::array<unsigned char, 256>& map, const char* pairs) {
    for (; pairs[0] != '\0'; pairs += 2)
        map[static_cast<unsigned char>(pairs[0])] = static_cast<unsigned char>(pairs[1]);
}

CtypeTables_t TablesOf(unsigned number) {
    CtypeTables_t t = ClassicTables();
    for (const CtypeSource_t& source : kCtypeSources) {
        if (source.number != number) continue;
        for (int c = 0x80; c < 0x100; ++c) t.masks[c] = MaskOf(source.classes[c - 0x80]);
        ApplyPairs(t.upper, source.upper);
        ApplyPairs(t.lower, source.lower);
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
    if (Find(code_page) == nullptr) return nullptr;
    auto it = built.find(code_page);
    if (it == built.end()) {
        it = built.emplace(code_page, MakeTableLocale(TablesOf(code_page))).first;
    }
    return &it->second;
}

const std::locale& CodePageLocale() {
    return *CodePageLocaleFor(current->number);
}

}  // namespace base
