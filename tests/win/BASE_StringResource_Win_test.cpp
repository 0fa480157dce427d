// The string loader against a test language module holding strings of chosen lengths.
#include <gtest/gtest.h>

#include "WIN_TestFiles.h"
#include "base/BASE_StringResource.h"
#include "win/WIN_Exception.h"
#include "win/WIN_ResourceHandle.h"

namespace {

// The test module's string number n is the first n characters of 0123456789 repeated.
std::string Digits(std::size_t n) {
    std::string text;
    while (text.size() < n) text += "0123456789";
    return text.substr(0, n);
}

class StringResource : public ::testing::Test {
protected:
    void SetUp() override { win::UseLanguageModule(wintest::ProgramDirectory() + "Trovix_LANG_Test.dll"); }
    void TearDown() override { win::UseLanguageModule(wintest::ProgramDirectory() + "Trovix_LANG.dll"); }
};

TEST_F(StringResource, TextsAroundTheBufferStepsComeBackWhole) {
    for (std::uint32_t n : {1u, 252u, 253u, 254u, 255u, 256u, 257u, 509u, 510u, 511u, 512u, 700u}) {
        base::StringResource_t s(n, "CALLER", 7);
        EXPECT_EQ(s.id, n);
        EXPECT_EQ(s.text, Digits(n)) << "string " << n;
    }
}

TEST_F(StringResource, MissingStringRaisesWithTheCallersPosition) {
    try {
        base::StringResource_t s(3999, "OrvenImportCommand", 97);
        FAIL();
    } catch (const win::Error_t& e) {
        EXPECT_STREQ(e.File(), "OrvenImportCommand");
        EXPECT_EQ(e.Line(), 97);
        EXPECT_NE(e.Code(), 0u);
    }
}

TEST_F(StringResource, EmptyStringRaisesLikeAMissingOne) {
    // The block of sixteen strings that holds number 4000 is there: the string is empty, not absent.
    ASSERT_NE(::FindResourceA(win::LanguageModule(), MAKEINTRESOURCEA(4000 / 16 + 1), RT_STRING), nullptr);
    try {
        base::StringResource_t s(4000, "OrvenAddin", 64);
        FAIL();
    } catch (const win::Error_t& e) {
        EXPECT_STREQ(e.File(), "OrvenAddin");
        EXPECT_EQ(e.Line(), 64);
    }
}

}  // namespace
