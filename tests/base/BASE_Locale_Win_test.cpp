// The run-time's named locales stand behind the cache on Windows.
#include <gtest/gtest.h>
#include <locale.h>

#include <string>

#include "base/BASE_Locale.h"

namespace {

TEST(WinLocale, BuildingALocaleLeavesTheRunTimeLocaleAlone) {
    const std::string before = ::setlocale(LC_ALL, nullptr);
    base::GetLocale({"JPN", "Japan", 932});
    EXPECT_EQ(::setlocale(LC_ALL, nullptr), before);
    EXPECT_THROW(base::GetLocale({"Bogus", "Land", 1252}), base::LocaleDoesNotExist_t);
    EXPECT_EQ(::setlocale(LC_ALL, nullptr), before);
}

TEST(WinLocale, LanguageAloneAndCNamesExist) {
    EXPECT_NO_THROW(base::GetLocale({"ENU", "", 0}));
    const auto& ctype = std::use_facet<std::ctype<char>>(base::GetLocale({"C", "", 0}));
    EXPECT_EQ(ctype.toupper('a'), 'A');
    EXPECT_EQ(ctype.toupper('\xE9'), '\xE9');
}

}  // namespace
