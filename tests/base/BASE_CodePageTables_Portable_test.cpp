// Every code page's tables against the listing scripts/make-codepages.py writes from Python's
// codecs and the Unicode data: classes, case and conversion of every byte, length and conversion
// of every lead/trail pair.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "base/BASE_CodePage.h"
#include "base/BASE_CodePageUnicode.h"
#include "support/SUPPORT_CodePageScope.h"

namespace {

struct Byte_t {
    bool lead = false;
    std::string classes;
    unsigned upper = 0;
    unsigned lower = 0;
    unsigned unicode = 0;
};

struct Page_t {
    Byte_t high[128];  // 0x80..0xFF
    std::vector<std::pair<unsigned, unsigned>> trails;
    std::map<unsigned, std::uint32_t> pairs;  // lead byte -> hash of its pairs' conversions
};

std::map<unsigned, Page_t> ReadListing() {
    std::map<unsigned, Page_t> pages;
    std::ifstream in(TROVIX_TEST_CODEPAGES);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        unsigned number = 0;
        std::string what;
        fields >> number >> what;
        Page_t& page = pages[number];
        if (what == "trail") {
            unsigned low = 0, high = 0;
            char dash = 0;
            while (fields >> std::hex >> low >> dash >> high) page.trails.emplace_back(low, high);
        } else if (what == "pairs") {
            unsigned lead = 0;
            std::uint32_t hash = 0;
            fields >> std::hex >> lead >> hash;
            page.pairs[lead] = hash;
        } else {
            Byte_t& b = page.high[std::stoul(what, nullptr, 16) - 0x80];
            std::string kind;
            fields >> kind >> b.classes >> std::hex >> b.upper >> b.lower >> b.unicode;
            b.lead = kind == "lead";
        }
    }
    return pages;
}

std::string Utf8(unsigned c) {
    std::string s;
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

std::uint32_t Fnv1a(const std::string& data) {
    std::uint32_t h = 0x811C9DC5u;
    for (unsigned char c : data) h = (h ^ c) * 0x01000193u;
    return h;
}

TEST(CodePageTables, EveryByteAndPairAsTheListingSays) {
    const std::map<unsigned, Page_t> pages = ReadListing();
    ASSERT_EQ(pages.size(), 14u) << TROVIX_TEST_CODEPAGES;
    using m = std::ctype_base;
    const std::pair<m::mask, char> classes[] = {
        {m::upper, 'U'}, {m::lower, 'L'}, {m::alpha, 'A'}, {m::digit, 'D'}, {m::xdigit, 'X'},
        {m::space, 'S'}, {m::print, 'R'}, {m::cntrl, 'C'}, {m::punct, 'P'}, {m::blank, 'B'}};
    const auto& classic = std::use_facet<std::ctype<char>>(std::locale::classic());
    for (const auto& [number, page] : pages) {
        support::CodePageScope_t scope(number);
        const auto& ctype = std::use_facet<std::ctype<char>>(base::CodePageLocale());
        for (unsigned c = 1; c < 256; ++c) {
            const char ch = static_cast<char>(c);
            Byte_t want;  // the "C" locale's below 0x80 in every code page
            if (c >= 0x80) {
                want = page.high[c - 0x80];
            } else {
                for (const auto& k : classes)
                    if (classic.is(k.first, ch)) want.classes += k.second;
                want.upper = static_cast<unsigned char>(classic.toupper(ch));
                want.lower = static_cast<unsigned char>(classic.tolower(ch));
                want.unicode = c;
            }
            const std::string where = std::to_string(number) + " byte " + std::to_string(c);
            for (const auto& k : classes)
                EXPECT_EQ(ctype.is(k.first, ch), want.classes.find(k.second) != std::string::npos)
                    << where << " class " << k.second;
            EXPECT_EQ(static_cast<unsigned char>(ctype.toupper(ch)), want.upper) << where;
            EXPECT_EQ(static_cast<unsigned char>(ctype.tolower(ch)), want.lower) << where;
            EXPECT_EQ(base::IsLeadByte(static_cast<unsigned char>(c)), want.lead) << where;
            EXPECT_EQ(base::MBCharLength(&ch, 1), want.lead ? -1 : 1) << where;
            std::string out;
            base::AppendUtf8(out, std::string(1, ch), number);
            EXPECT_EQ(out, Utf8(want.unicode)) << where;
        }
        for (const auto& [lead, hash] : page.pairs) {
            std::string all;
            for (unsigned trail = 1; trail < 256; ++trail) {
                const char pair[] = {static_cast<char>(lead), static_cast<char>(trail)};
                bool is_trail = false;
                for (const auto& r : page.trails)
                    is_trail = is_trail || (trail >= r.first && trail <= r.second);
                EXPECT_EQ(base::MBCharLength(pair, 2), is_trail ? 2 : -1)
                    << number << " " << lead << " " << trail;
                base::AppendUtf8(all, std::string(pair, 2), number);
                all += '\xFF';
            }
            EXPECT_EQ(Fnv1a(all), hash) << number << " lead byte " << lead;
        }
    }
}

}  // namespace
