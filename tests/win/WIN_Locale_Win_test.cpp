#include <gtest/gtest.h>

#include "win/WIN_Locale.h"

namespace {

TEST(WinSystemLocale, KeyComesFromTheSystemDefaults) {
    const base::LocaleKey_t key = win::SystemLocaleKey();
    EXPECT_EQ(key.language, "ENU");
    EXPECT_EQ(key.country, "United States");
    EXPECT_EQ(key.code_page, 1252u);
    EXPECT_EQ(key.Name(), "ENU_United States.1252");
}

TEST(WinSystemLocale, CodePageTextMustBeADecimalNumber) {
    EXPECT_EQ(win::ParseCodePage("1252"), 1252u);
    EXPECT_EQ(win::ParseCodePage("0"), 0u);
    EXPECT_EQ(win::ParseCodePage("4294967295"), 4294967295u);
    for (const char* bad : {"", "12a", "-1", " 932", "4294967296", "99999999999"}) {
        try {
            win::ParseCodePage(bad);
            ADD_FAILURE() << bad;
        } catch (const base::Assert_t& e) {
            EXPECT_STREQ(e.File(), "WIN_Locale") << bad;
        }
    }
}

}  // namespace
