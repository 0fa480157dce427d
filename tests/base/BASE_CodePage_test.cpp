#include "base/BASE_CodePage.h"

#include <gtest/gtest.h>

#include "support/SUPPORT_CodePageScope.h"

namespace {

using support::CodePageScope_t;

int Upper1252(int c) {
    if (c >= 'a' && c <= 'z') return c - 0x20;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;
    switch (c) {
        case 0x9A:
            return 0x8A;
        case 0x9C:
            return 0x8C;
        case 0x9E:
            return 0x8E;
        case 0xFF:
            return 0x9F;
        default:
            return c;
    }
}

bool Space1252(int c) {
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0xA0;
}

// Both builds must agree byte for byte: the names' order and the cut of blanks depend on it.
TEST(CodePage, Windows1252CasesAndSpacesEveryByteAsTheRunTimeDoes) {
    CodePageScope_t scope(1252);
    EXPECT_EQ(base::CurrentCodePage(), 1252u);
    const auto& ctype = std::use_facet<std::ctype<char>>(base::CodePageLocale());
    for (int c = 1; c < 256; ++c) {
        const char ch = static_cast<char>(c);
        EXPECT_EQ(static_cast<unsigned char>(ctype.toupper(ch)), Upper1252(c)) << "byte " << c;
        EXPECT_EQ(ctype.is(std::ctype_base::space, ch), Space1252(c)) << "byte " << c;
        EXPECT_EQ(base::MBCharLength(&ch, 1), 1) << "byte " << c;
        EXPECT_FALSE(base::IsLeadByte(static_cast<unsigned char>(c)));
    }
    EXPECT_TRUE(ctype.is(std::ctype_base::upper, '\xC9'));
    EXPECT_TRUE(ctype.is(std::ctype_base::lower, '\xE9'));
    EXPECT_TRUE(ctype.is(std::ctype_base::alpha, '\xDF'));
    EXPECT_EQ(ctype.tolower('\xC9'), '\xE9');
    EXPECT_EQ(ctype.tolower('\x9F'), '\xFF');
}

TEST(CodePage, ShiftJisLeadBytesAndLengths) {
    CodePageScope_t scope(932);
    EXPECT_EQ(base::CurrentCodePage(), 932u);
    EXPECT_TRUE(base::IsLeadByte(0x81));
    EXPECT_TRUE(base::IsLeadByte(0x9F));
    EXPECT_TRUE(base::IsLeadByte(0xE0));
    EXPECT_TRUE(base::IsLeadByte(0xFC));
    EXPECT_FALSE(base::IsLeadByte(0x80));
    EXPECT_FALSE(base::IsLeadByte(0xA0));
    EXPECT_FALSE(base::IsLeadByte(0xDF));
    EXPECT_FALSE(base::IsLeadByte('a'));
    EXPECT_EQ(base::MBCharLength("\x82\xA0", 2), 2);
    EXPECT_EQ(base::MBCharLength("\x82\xA0", 1), -1);
    EXPECT_EQ(base::MBCharLength("\x82", 2), -1);  // the terminator is no trail byte
    EXPECT_EQ(base::MBCharLength("\xB1", 1), 1);
    EXPECT_EQ(base::MBCharLength("a", 1), 1);
    EXPECT_EQ(base::MBCharLength("", 1), 0);
    EXPECT_EQ(base::MBCharLength("a", 0), 0);
}

TEST(CodePage, DoubleByteCodePagesCaseOnlyAscii) {
    for (unsigned cp : {932u, 936u, 949u, 950u}) {
        CodePageScope_t scope(cp);
        const auto& ctype = std::use_facet<std::ctype<char>>(base::CodePageLocale());
        EXPECT_EQ(ctype.toupper('a'), 'A') << cp;
        EXPECT_EQ(ctype.toupper('z'), 'Z') << cp;
        EXPECT_TRUE(ctype.is(std::ctype_base::space, ' ')) << cp;
        EXPECT_TRUE(base::IsLeadByte(0x81)) << cp;
        EXPECT_EQ(base::MBCharLength("\x81", 1), -1) << cp;
    }
}

TEST(CodePage, SelectingTheCurrentCodePageAgainKeepsIt) {
    const unsigned before = base::CurrentCodePage();
    {
        CodePageScope_t scope(932);
        EXPECT_TRUE(base::SelectCodePage(base::CurrentCodePage()));
        EXPECT_EQ(base::CurrentCodePage(), 932u);
    }
    EXPECT_EQ(base::CurrentCodePage(), before);
}

}  // namespace
