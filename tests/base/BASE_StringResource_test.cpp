// Every text of the language module, loaded through the string loader: in the Windows build
// from Trovix_LANG.dll beside the test program, in the portable build from the generated table.
// Both must give exactly the texts of lang/LANG_Strings.txt.
#include "base/BASE_StringResource.h"

#include <gtest/gtest.h>

#include "lang/LANG_Strings.h"
#include "win/WIN_Exception.h"

namespace {

TEST(StringResource, EveryTextOfTheTableLoadsUnchanged) {
    ASSERT_FALSE(lang::Strings().empty());
    for (const lang::String_t& s : lang::Strings()) {
        base::StringResource_t loaded(s.id, "CALLER", 1);
        EXPECT_EQ(loaded.id, s.id);
        EXPECT_EQ(loaded.text, s.text) << "string " << s.id;
    }
}

TEST(StringResource, EveryNumberTheProgramUsesIsThere) {
    const std::uint32_t used[] = {101, 102, 103, 104, 105, 106,  107,  108,  109,  110,  111,
                                  112, 113, 114, 115, 201, 5089, 5090, 5602, 5603, 5604, 5608};
    for (std::uint32_t id : used) {
        EXPECT_FALSE(base::StringResource_t(id, "CALLER", 2).text.empty()) << "string " << id;
    }
}

TEST(StringResource, PlaceholdersWhereCallersFillThemIn) {
    auto has = [](std::uint32_t id, const char* mark) {
        return base::StringResource_t(id, "CALLER", 3).text.find(mark) != std::string::npos;
    };
    EXPECT_TRUE(has(102, "%0"));
    EXPECT_TRUE(has(115, "%0"));
    EXPECT_TRUE(has(5090, "%0"));
    EXPECT_TRUE(has(5090, "%1"));
    EXPECT_TRUE(has(5608, "%0"));
    // The menu text joins 113 and 114 with tabs; its pieces must have none of their own.
    EXPECT_FALSE(has(113, "\t"));
    EXPECT_FALSE(has(114, "\t"));
}

TEST(StringResource, MissingNumberRaisesWithTheCallersPosition) {
    try {
        base::StringResource_t s(9999, "OrvenImportCommand", 102);
        FAIL();
    } catch (const win::Error_t& e) {
        EXPECT_STREQ(e.File(), "OrvenImportCommand");
        EXPECT_EQ(e.Line(), 102);
        EXPECT_NE(e.Code(), 0u);
    }
}

TEST(StringResource, FormatFillsInTheArgumentsAndKeepsTheText) {
    base::StringResource_t route(5090, "CALLER", 5);
    std::string name = route.Format({"FIRST", "LAST"}, "CALLER", 6);
    EXPECT_NE(name.find("FIRST"), std::string::npos);
    EXPECT_LT(name.find("FIRST"), name.find("LAST"));
    EXPECT_EQ(name.find('%'), std::string::npos);
    EXPECT_NE(route.text.find("%0"), std::string::npos);
}

}  // namespace
