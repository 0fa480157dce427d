#include "base/BASE_StringReplace.h"

#include <gtest/gtest.h>

#include "support/SUPPORT_ExpectRaise.h"

namespace {

std::string Replace(std::string text, const std::vector<std::string>& args) {
    base::StringReplace(text, args, "CALLER", 7);
    return text;
}

TEST(StringReplace, PutsArgumentsInTheirPlaces) {
    EXPECT_EQ(Replace("%0 and %1", {"A", "B"}), "A and B");
    EXPECT_EQ(Replace("%1 before %0", {"A", "B"}), "B before A");
    EXPECT_EQ(Replace("%0%0", {"x"}), "xx");
    EXPECT_EQ(Replace("no placeholders", {}), "no placeholders");
    EXPECT_EQ(Replace("", {}), "");
}

TEST(StringReplace, DoubledPercentGivesOnePercent) {
    EXPECT_EQ(Replace("100%%", {}), "100%");
    EXPECT_EQ(Replace("%%", {}), "%");
    // The single percent sign left behind is not a placeholder again.
    EXPECT_EQ(Replace("%%0", {}), "%0");
    EXPECT_EQ(Replace("%%%0", {"A"}), "%A");
}

TEST(StringReplace, ReplacedTextIsNotScannedAgain) {
    EXPECT_EQ(Replace("<%0>", {"x%1"}), "<x%1>");
    EXPECT_EQ(Replace("%0%1", {"%", "1"}), "%1");
}

TEST(StringReplace, BadPlaceholdersRaiseFromThisSource) {
    std::string text = "%0 and %1";
    EXPECT_RAISES(base::Assert_t, base::StringReplace(text, {"A"}, "CALLER", 7), "BASE_StringReplace", 48);
    text = "%x";
    EXPECT_RAISES(base::Assert_t, base::StringReplace(text, {}, "CALLER", 7), "BASE_StringReplace", 48);
    text = "%0";
    EXPECT_RAISES(base::Assert_t, base::StringReplace(text, {}, "CALLER", 7), "BASE_StringReplace", 48);
}

TEST(StringReplace, CallerIsBlamedForTrailingPercentAndUnusedArguments) {
    std::string text = "50%";
    EXPECT_RAISES(base::Assert_t, base::StringReplace(text, {}, "CALLER", 7), "CALLER", 7);
    text = "%0";
    EXPECT_RAISES(base::Assert_t, base::StringReplace(text, {"A", "B"}, "CALLER", 7), "CALLER", 7);
    text = "";
    EXPECT_RAISES(base::Assert_t, base::StringReplace(text, {"A"}, "CALLER", 7), "CALLER", 7);
}

}  // namespace
