#include <gtest/gtest.h>

#include "base/BASE_Time.h"
#include "win/WIN_Exception.h"
#include "win/WIN_TimeStr.h"

namespace {

const LCID kEnglishUs = 1033;

SYSTEMTIME FixedTime() {
    return base::ToSystemTime(base::UtcTime(1075298352));
}  // 2004-01-28 13:59:12

TEST(WinTimeStr, TimeAndDateTextsForUnitedStates) {
    EXPECT_EQ(win::TimeText(kEnglishUs, 0, FixedTime()), "1:59:12 PM");
    EXPECT_EQ(win::TimeText(kEnglishUs, TIME_FORCE24HOURFORMAT | TIME_NOTIMEMARKER, FixedTime()), "13:59:12");
    EXPECT_EQ(win::DateText(kEnglishUs, FixedTime()), "1/28/2004");
}

TEST(WinTimeStr, ImpossibleTimesRaiseSystemErrors) {
    SYSTEMTIME bad = FixedTime();
    bad.wMonth = 13;
    try {
        win::DateText(kEnglishUs, bad);
        FAIL();
    } catch (const win::Error_t& e) {
        EXPECT_STREQ(e.File(), "WIN_TimeStr");
        EXPECT_NE(e.Code(), 0u);
    }
    bad = FixedTime();
    bad.wHour = 25;
    EXPECT_THROW(win::TimeText(kEnglishUs, 0, bad), win::Error_t);
}

}  // namespace
