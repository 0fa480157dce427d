#include "base/BASE_Locale.h"

#include <gtest/gtest.h>

namespace {

TEST(Locale, NamesFollowTheKeysParts) {
    EXPECT_EQ((base::LocaleKey_t{"ENU", "United States", 1252}.Name()), "ENU_United States.1252");
    EXPECT_EQ((base::LocaleKey_t{"", "United States", 932}.Name()), ".932");
    EXPECT_EQ((base::LocaleKey_t{"", "", 0}.Name()), ".0");
    EXPECT_EQ((base::LocaleKey_t{"ENU", "", 1252}.Name()), "ENU");
}

TEST(Locale, KeysOrderByLanguageCountryAndCodePage) {
    const base::LocaleKey_t a{"DEU", "Germany", 1252};
    const base::LocaleKey_t b{"ENU", "Germany", 1252};
    const base::LocaleKey_t c{"ENU", "Germany", 1253};
    EXPECT_TRUE(a < b);
    EXPECT_TRUE(b < c);
    EXPECT_FALSE(c < a);
    EXPECT_FALSE(a < a);
    EXPECT_TRUE(a == (base::LocaleKey_t{"DEU", "Germany", 1252}));
}

TEST(Locale, UnknownLocaleRaisesWithItsName) {
    try {
        base::GetLocale({"Xyzzy", "Nowhere", 99999});
        FAIL();
    } catch (const base::LocaleDoesNotExist_t& e) {
        EXPECT_STREQ(e.what(), "Xyzzy_Nowhere.99999");
        EXPECT_STREQ(e.File(), "BASE_Locale");
    }
}

TEST(Locale, CacheHandsOutTheSameLocaleEachTime) {
    const std::locale& first = base::GetLocale({"", "", 1252});
    const std::locale& second = base::GetLocale({"", "", 1252});
    EXPECT_EQ(&first, &second);
    const auto& ctype = std::use_facet<std::ctype<char>>(first);
    EXPECT_EQ(ctype.toupper('\xE9'), '\xC9');
    EXPECT_TRUE(ctype.is(std::ctype_base::space, '\xA0'));
}

TEST(Locale, SystemLocaleIsUnitedStates1252) {
    const base::LocaleKey_t& key = base::SystemLocaleKey();
    EXPECT_EQ(key.language, "ENU");
    EXPECT_EQ(key.country, "United States");
    EXPECT_EQ(key.code_page, 1252u);
    EXPECT_EQ(&base::SystemLocale(), &base::GetLocale(key));
    const auto& ctype = std::use_facet<std::ctype<char>>(base::SystemLocale());
    EXPECT_EQ(ctype.toupper('\xFF'), '\x9F');
    EXPECT_EQ(ctype.toupper('m'), 'M');
}

}  // namespace
