#include "base/BASE_NoCase.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/BASE_CodePage.h"
#include "support/SUPPORT_ExpectRaise.h"

namespace {

// Each test selects its code page and puts the previous one back.
class NoCase : public ::testing::Test {
protected:
    void TearDown() override { base::SelectCodePage(saved_); }
    void Use(unsigned code_page) { ASSERT_TRUE(base::SelectCodePage(code_page)); }
    bool Less(const std::string& a, const std::string& b) {
        return base::NameLess(a, b, base::CodePageLocale());
    }
    bool Equal(const std::string& a, const std::string& b) {
        return base::NameEqual(a, b, base::CodePageLocale());
    }
    bool Same(const std::string& a, const std::string& b) { return !Less(a, b) && !Less(b, a); }

private:
    unsigned saved_ = base::CurrentCodePage();
};

TEST_F(NoCase, AsciiIgnoresCaseAndShorterComesFirst) {
    Use(1252);
    EXPECT_TRUE(Same("abc", "ABC"));
    EXPECT_TRUE(Equal("abc", "AbC"));
    EXPECT_TRUE(Less("ab", "abc"));
    EXPECT_FALSE(Less("abc", "ab"));
    EXPECT_TRUE(Less("", "a"));
    EXPECT_FALSE(Less("", ""));
    EXPECT_TRUE(Equal("", ""));
    EXPECT_FALSE(Equal("ab", "abc"));
    // Upper-case forms decide: '_' (0x5F) lies between 'Z' and 'a', so "a_" sorts after "AZ".
    EXPECT_TRUE(Less("az", "a_"));
    EXPECT_TRUE(Less("Home 1", "home 2"));
}

TEST_F(NoCase, LongNamesCompareAsShortOnesWhereverTheyDiffer) {
    Use(1252);
    // Differences and case changes before, across and after the first eight bytes.
    EXPECT_TRUE(Same("Waterfall 100000", "WATERFALL 100000"));
    EXPECT_TRUE(Less("Waterfall 100000", "waterfall 100001"));
    EXPECT_TRUE(Less("Waterfall 10000", "waterfall 100000"));
    EXPECT_TRUE(Less("WaterfalZ", "WATERFAL_"));
    EXPECT_TRUE(Less("aaaaaaaaB", "AAAAAAAAc"));
    EXPECT_FALSE(Less("aaaaaaaaaaaaaaaaaaaaC", "AAAAAAAAAAAAAAAAAAAAb"));
    // A high byte or a zero byte late in a long name still takes the character-wise rule.
    EXPECT_TRUE(Less("aaaaaaaaaaaa\xE9", "aaaaaaaaaaaaa"));
    EXPECT_TRUE(Less(std::string("aaaaaaaaaaaa\0", 13), "aaaaaaaaaaaab"));
    Use(932);
    EXPECT_RAISES(base::InvalidMBCharacter_t, Less("aaaaaaaaaaaa\x81", "b"), "BASE_MBString", 122);
    EXPECT_RAISES(base::InvalidMBCharacter_t, Less("b", "aaaaaaaa\x81"), "BASE_MBString", 122);
}

TEST_F(NoCase, SingleByteHighCharactersFoldAndSortBelowAscii) {
    Use(1252);
    // e acute and E acute fold together in 1252.
    EXPECT_TRUE(Same("caf\xE9", "CAF\xC9"));
    EXPECT_TRUE(Equal("caf\xE9", "CAF\xC9"));
    // Compared as signed bytes: 0xC9 is negative, below every ASCII character.
    EXPECT_TRUE(Less("\xC9", "A"));
    EXPECT_TRUE(Less("\xE9", " "));
    EXPECT_TRUE(Less("x\xFF", "x!"));
    // The ASCII-only shortcut and the full walk agree where the texts meet.
    EXPECT_TRUE(Less("abc", "abd\xE9"));
    EXPECT_TRUE(Less("ABC\xE9", "abd"));
}

TEST_F(NoCase, DoubleByteCharactersKeepTheirTrailByte) {
    Use(932);
    // 0x83 0x61 and 0x83 0x41 are two different characters: a trail byte in the range of
    // ASCII letters must not be upper-cased.
    EXPECT_TRUE(Less("\x83\x41", "\x83\x61"));
    EXPECT_FALSE(Equal("\x83\x41", "\x83\x61"));
    EXPECT_TRUE(Equal("x\x83\x61Y", "X\x83\x61y"));
    // Hiragana a (0x82A0) before i (0x82A2).
    EXPECT_TRUE(Less("\x82\xA0", "\x82\xA2"));
}

TEST_F(NoCase, DoubleByteAgainstSingleByteComparesCodes) {
    Use(932);
    // Any double-byte code (at least 0x8140) is above any single-byte code.
    EXPECT_TRUE(Less("z", "\x81\x40"));
    EXPECT_TRUE(Less("\xDF", "\x81\x40"));  // half-width katakana is single-byte
    EXPECT_FALSE(Less("\x81\x40", "z"));
    // Two half-width katakana compare as signed single bytes, below ASCII.
    EXPECT_TRUE(Less("\xB1", "A"));
    // Characters, not bytes, decide the length rule: one double-byte character is shorter than
    // two single-byte ones but its code is larger.
    EXPECT_TRUE(Less("ab", "\x82\xA0"));
    EXPECT_TRUE(Less("\x82\xA0",
                     "\x82\xA0"
                     "a"));
    EXPECT_FALSE(Equal("\x82\xA0", "ab"));
    // Upper-case folding still applies between double-byte characters.
    EXPECT_TRUE(
        Same("\x82\xA0"
             "abc",
             "\x82\xA0"
             "ABC"));
}

TEST_F(NoCase, InvalidCharactersRaise) {
    Use(932);
    // A lead byte at the end of the text is an incomplete character.
    EXPECT_THROW(Less("ab\x82", "ab"), base::InvalidMBCharacter_t);
    EXPECT_THROW(Less("ab", "ab\x82"), base::InvalidMBCharacter_t);
    EXPECT_THROW(Equal("a\x82", "ab"), base::InvalidMBCharacter_t);
    // Even when the first character already decides, the whole text is checked.
    EXPECT_THROW(Less("a", "b\x82"), base::InvalidMBCharacter_t);
}

TEST_F(NoCase, TableBoundToOneLocale) {
    Use(1252);
    base::NoCase_t rule(base::CodePageLocale());
    EXPECT_TRUE(
        rule.Equal("stra\xDF"
                   "e",
                   "STRA\xDF"
                   "E"));
    EXPECT_TRUE(rule.Less("\xE0", "\xC1"));  // a grave folds to 0xC0, below 0xC1
    // The classic locale folds only ASCII.
    EXPECT_FALSE(base::NameEqual("\xE9", "\xC9", std::locale::classic()));
    EXPECT_TRUE(base::NameEqual("e", "E", std::locale::classic()));
}

TEST_F(NoCase, SortKeysOrderPlainNamesAsLessDoes) {
    Use(1252);
    const base::NoCase_t rule(base::CodePageLocale());
    const std::vector<std::string> names = {
        "", "a", "A", "ab", "AB_", "az", "a_", "Hut 12", "hut 120", "HUT 1200", "Hut 2", "~tilde", "0",
        "9 lives", "Waterfall 100000", "WATERFALL 100000", "waterfall 1000000", "Waterfall 10000",
        "same sixteen ch.", "SAME SIXTEEN CH.x", "same sixteen ch.y", "caf\xE9", "CAF\xC9",
        // the bytes beside the letters, and the ends of the plain range
        "@", "[", "`", "{", "\x01", "\x7F", "`a{z@A[Z", "@a[z`A{Z", "abcdefgh`", "ABCDEFGH@"};
    for (const std::string& a : names) {
        for (const std::string& b : names) {
            const base::NoCase_t::SortKey_t ka = rule.SortKey(a);
            const base::NoCase_t::SortKey_t kb = rule.SortKey(b);
            if (!ka.plain || !kb.plain) continue;
            SCOPED_TRACE(a + " | " + b);
            if (ka.high != kb.high || ka.low != kb.low) {
                EXPECT_EQ(ka.high < kb.high || (ka.high == kb.high && ka.low < kb.low), rule.Less(a, b));
            } else if (a.size() == b.size() && a.size() <= 16) {
                EXPECT_TRUE(rule.Equal(a, b));
            }
        }
    }
    EXPECT_FALSE(rule.SortKey("caf\xE9").plain);
    EXPECT_FALSE(rule.SortKey(std::string("a\0b", 3)).plain);
    EXPECT_TRUE(rule.SortKey("").plain);
}

}  // namespace
