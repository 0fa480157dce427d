#include "base/BASE_ApplicationInfo.h"

#include <gtest/gtest.h>

#include <regex>

namespace {

TEST(ApplicationInfo, IdentifiesTheReleaseBuild) {
    const base::ApplicationInfo_t& info = base::TheApplicationInfo();
    EXPECT_EQ(info.name, "Trovix");
    EXPECT_EQ(info.major, 2);
    EXPECT_EQ(info.minor, 2);
    EXPECT_EQ(info.build, 1);
    EXPECT_EQ(info.revision, 0);
    EXPECT_EQ(info.build_label, "SQA");
    EXPECT_EQ(&info, &base::TheApplicationInfo());
}

TEST(ApplicationInfo, BuildDateAndTimeHaveTheReportedForm) {
    const base::ApplicationInfo_t& info = base::TheApplicationInfo();
    EXPECT_TRUE(std::regex_match(info.build_date, std::regex("[A-Z][a-z]{2} [ 1-3][0-9] [0-9]{4}")))
        << info.build_date;
    EXPECT_TRUE(std::regex_match(info.build_time, std::regex("[0-2][0-9]:[0-5][0-9]:[0-5][0-9]")))
        << info.build_time;
}

}  // namespace
