#include "base/BASE_Exception.h"

#include <gtest/gtest.h>

#include <cstring>

#include "win/WIN_Exception.h"

namespace {

void RaiseAssert() { BASE_ASSERT(1 + 1 == 3); }

TEST(Exception, AssertIsEmptyAndCarriesTheCheckSite) {
    try {
        RaiseAssert();
        FAIL();
    } catch (const base::Exception_t& e) {
        EXPECT_STREQ(e.what(), "");
        EXPECT_STREQ(e.File(), "BASE_Exception_test");
        EXPECT_EQ(e.Line(), 11);
        EXPECT_NE(dynamic_cast<const base::Assert_t*>(&e), nullptr);
    }
}

TEST(Exception, CopiesShareTheFileLiteral) {
    base::Exception_t a("SOME_File", 7, "text");
    base::Exception_t b = a;
    EXPECT_EQ(a.File(), b.File());
    EXPECT_EQ(b.Line(), 7);
    EXPECT_STREQ(b.what(), "text");
}

TEST(Exception, FileErrorKeepsCodeAndTextThroughEveryBase) {
    win::FileError_t original("WIN_File", 12, 2);
    try {
        throw win::FileError_t(original);
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), original.what());
        const auto& w = dynamic_cast<const win::Error_t&>(e);
        EXPECT_EQ(w.Code(), 2u);
        EXPECT_EQ(std::strncmp(w.what(), "Windows Error Code: 2\n", 22), 0);
    }
}

TEST(Exception, LocaleDoesNotExistCarriesTheName) {
    base::LocaleDoesNotExist_t e("BASE_Locale", 1, "xx_YY.1252");
    EXPECT_STREQ(e.what(), "xx_YY.1252");
}

}  // namespace
