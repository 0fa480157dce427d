// Decisions of the portable tables that the Windows run-time leaves to the system.
#include <gtest/gtest.h>

#include "base/BASE_CodePage.h"
#include "base/BASE_Locale.h"
#include "support/SUPPORT_CodePageScope.h"

namespace {

using support::CodePageScope_t;

TEST(PortableCodePage, OnlyKnownCodePagesCanBeSelected) {
    const unsigned before = base::CurrentCodePage();
    EXPECT_FALSE(base::SelectCodePage(437));
    EXPECT_FALSE(base::SelectCodePage(0));
    EXPECT_EQ(base::CurrentCodePage(), before);
}

TEST(PortableCodePage, LeadByteWithAnInvalidTrailIsInvalid) {
    CodePageScope_t scope(932);
    EXPECT_EQ(base::MBCharLength("\x82\x20", 2), -1);
    EXPECT_EQ(base::MBCharLength("\x82\x7F", 2), -1);
    EXPECT_EQ(base::MBCharLength("\x82\xFD", 2), -1);
    EXPECT_EQ(base::MBCharLength("\x82\x40", 2), 2);
}

TEST(PortableCodePage, TrailRangesDifferPerCodePage) {
    {
        CodePageScope_t scope(949);
        EXPECT_EQ(base::MBCharLength("\xB0\x41", 2), 2);
        EXPECT_EQ(base::MBCharLength("\xB0\x5B", 2), -1);
        EXPECT_EQ(base::MBCharLength("\xB0\x61", 2), 2);
    }
    {
        CodePageScope_t scope(950);
        EXPECT_EQ(base::MBCharLength("\xA4\x40", 2), 2);
        EXPECT_EQ(base::MBCharLength("\xA4\x80", 2), -1);
        EXPECT_EQ(base::MBCharLength("\xA4\xA1", 2), 2);
    }
    {
        CodePageScope_t scope(936);
        EXPECT_EQ(base::MBCharLength("\xB0\xA1", 2), 2);
        EXPECT_EQ(base::MBCharLength("\xB0\xFF", 2), -1);
        EXPECT_FALSE(base::IsLeadByte(0xFF));
    }
}

TEST(PortableCodePage, ShiftJisSingleByteKatakanaAreLettersNotSpace) {
    CodePageScope_t scope(932);
    const auto& ctype = std::use_facet<std::ctype<char>>(base::CodePageLocale());
    EXPECT_TRUE(ctype.is(std::ctype_base::alpha, '\xB1'));
    EXPECT_FALSE(ctype.is(std::ctype_base::space, '\xA0'));
    EXPECT_EQ(ctype.toupper('\xE9'), '\xE9');
    EXPECT_EQ(ctype.toupper('\xFD'), '\xFD');
}

TEST(PortableLocale, KnownCodePagesExistAndOthersDoNot) {
    EXPECT_NO_THROW(base::GetLocale({"", "", 950}));
    EXPECT_NO_THROW(base::GetLocale({"JPN", "Japan", 932}));
    EXPECT_NO_THROW(base::GetLocale({"C", "", 0}));
    try {
        base::GetLocale({"ENU", "", 1252});  // no code page in the name
        FAIL();
    } catch (const base::LocaleDoesNotExist_t& e) {
        EXPECT_STREQ(e.what(), "ENU");
    }
}

}  // namespace
