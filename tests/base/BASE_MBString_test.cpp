#include "base/BASE_MBString.h"

#include <gtest/gtest.h>

#include "base/BASE_CodePage.h"
#include "support/SUPPORT_CodePageScope.h"
#include "support/SUPPORT_ExpectRaise.h"

namespace {

using support::CodePageScope_t;

// Shift-JIS: 0x82 0xA0 is a hiragana letter, 0x82 0x61 one whose trail byte is ASCII 'a'.
const std::string kHiragana = "\x82\xA0";
const std::string kTrailA = "\x82\x61";

TEST(MBString, CountsWholeCharacters) {
    CodePageScope_t scope(932);
    EXPECT_EQ(base::CharCount(""), 0u);
    EXPECT_EQ(base::CharCount("abc"), 3u);
    EXPECT_EQ(base::CharCount("a" + kHiragana + "b" + kTrailA), 4u);
    EXPECT_EQ(base::CharCount("\xA6\xDF"), 2u);  // single-byte katakana
}

TEST(MBString, IncompleteCharacterRaises) {
    CodePageScope_t scope(932);
    EXPECT_RAISES(base::InvalidMBCharacter_t, base::CharCount("ab\x82"), "BASE_MBString", 122);
    // A lead byte never takes a zero byte as its trail.
    EXPECT_RAISES(base::InvalidMBCharacter_t, base::CharCount(std::string("\x82\0b", 3)), "BASE_MBString",
                  122);
    EXPECT_RAISES(base::InvalidMBCharacter_t, base::ToUpper("ab\x82", std::locale::classic()),
                  "BASE_MBString", 122);
    EXPECT_RAISES(base::InvalidMBCharacter_t, base::CharSubstring("ab\x82", 0, 5, std::locale::classic()),
                  "BASE_MBString", 122);
}

TEST(MBString, ValidPrefixDropsALoneTrailingLeadByte) {
    CodePageScope_t scope(932);
    EXPECT_EQ(base::ValidPrefix("ab\x82"), "ab");
    EXPECT_EQ(base::ValidPrefix("a" + kHiragana + "\x82"), "a" + kHiragana);
    EXPECT_EQ(base::ValidPrefix("a" + kHiragana), "a" + kHiragana);
    EXPECT_EQ(base::ValidPrefix("\x82"), "");
    EXPECT_EQ(base::ValidPrefix(""), "");
}

TEST(MBString, SubstringLeavesOutBlanksWithoutCountingThem) {
    CodePageScope_t scope(932);
    const std::locale& loc = base::CodePageLocale();
    EXPECT_EQ(base::CharSubstring("   abcd", 0, 2, loc), "ab");
    EXPECT_EQ(base::CharSubstring("a b\tc d", 0, 3, loc), "abc");
    // Skipped characters are counted whether blank or not.
    EXPECT_EQ(base::CharSubstring(" a bc", 2, 5, loc), "bc");
    EXPECT_EQ(base::CharSubstring(" " + kHiragana + " x" + kHiragana, 0, 2, loc), kHiragana + "x");
    EXPECT_EQ(base::CharSubstring(kHiragana + kHiragana + "z", 1, 1, loc), kHiragana);
    EXPECT_EQ(base::CharSubstring("abc", 5, 2, loc), "");
    EXPECT_EQ(base::CharSubstring("abc", 0, 0, loc), "");
    EXPECT_EQ(base::CharSubstring("abc", 0, 99, loc), "abc");
}

TEST(MBString, UpperCasesOnlySingleByteCharacters) {
    CodePageScope_t scope(932);
    const std::locale& loc = base::CodePageLocale();
    EXPECT_EQ(base::ToUpper("abc", loc), "ABC");
    // The trail byte 'a' belongs to the double-byte character and stays as it is.
    EXPECT_EQ(base::ToUpper("x" + kTrailA + "y", loc), "X" + kTrailA + "Y");
    EXPECT_EQ(base::ToUpper(kHiragana + "q", loc), kHiragana + "Q");
}

TEST(MBString, UpperCasesLatin1LettersIn1252) {
    CodePageScope_t scope(1252);
    const std::locale& loc = base::CodePageLocale();
    EXPECT_EQ(base::ToUpper("caf\xE9", loc), "CAF\xC9");
    EXPECT_EQ(base::ToUpper("\xFF\x9A\x9C\x9E", loc), "\x9F\x8A\x8C\x8E");
    EXPECT_EQ(base::ToUpper("\xF7\xDF\xB5", loc), "\xF7\xDF\xB5");  // no upper case of their own
    // Every byte is a character of its own in 1252.
    EXPECT_EQ(base::CharCount("\x81\x82\xFF"), 3u);
    EXPECT_EQ(base::ValidPrefix("\x81\x82"), "\x81\x82");
}

TEST(MBString, ZeroByteInsideTextCountsAsACharacter) {
    CodePageScope_t scope(1252);
    EXPECT_EQ(base::CharCount(std::string("a\0b", 3)), 3u);
}

}  // namespace
