#include "base/BASE_Time.h"

#include <gtest/gtest.h>

#include "support/SUPPORT_ExpectRaise.h"

namespace {

struct Fields_t {
    int year, month, day, hour, minute, second, wday, yday;
};

void ExpectFields(const std::tm& t, const Fields_t& f) {
    EXPECT_EQ(t.tm_year + 1900, f.year);
    EXPECT_EQ(t.tm_mon + 1, f.month);
    EXPECT_EQ(t.tm_mday, f.day);
    EXPECT_EQ(t.tm_hour, f.hour);
    EXPECT_EQ(t.tm_min, f.minute);
    EXPECT_EQ(t.tm_sec, f.second);
    EXPECT_EQ(t.tm_wday, f.wday);
    EXPECT_EQ(t.tm_yday, f.yday);
}

TEST(Time, BrokenDownUtc) {
    ExpectFields(base::UtcTime(0), {1970, 1, 1, 0, 0, 0, 4, 0});
    ExpectFields(base::UtcTime(1075298352), {2004, 1, 28, 13, 59, 12, 3, 27});
    ExpectFields(base::UtcTime(2147483647), {2038, 1, 19, 3, 14, 7, 2, 18});
    // Past the run-time's 32-bit range the calendar goes on seamlessly.
    ExpectFields(base::UtcTime(2147483648), {2038, 1, 19, 3, 14, 8, 2, 18});
    ExpectFields(base::UtcTime(4294967294), {2106, 2, 7, 6, 28, 14, 0, 37});
}

TEST(Time, ValuesTheRunTimeCannotConvertAreOutOfRange) {
    EXPECT_RAISES(base::OutOfRange_t, base::UtcTime(-1), "BASE_Time", 167);
    EXPECT_RAISES(base::OutOfRange_t, base::UtcTime(-2147483647 - 1), "BASE_Time", 167);
    EXPECT_RAISES(base::OutOfRange_t, base::UtcTime(253402300800), "BASE_Time", 167);
    ExpectFields(base::UtcTime(253402300799), {9999, 12, 31, 23, 59, 59, 5, 364});
}

TEST(Time, OffsetWithinRangeShiftsTheValue) {
    ExpectFields(base::UtcTime(0, 3600), {1970, 1, 1, 1, 0, 0, 4, 0});
    ExpectFields(base::UtcTime(-5, 10), {1970, 1, 1, 0, 0, 5, 4, 0});
    ExpectFields(base::UtcTime(2147483640, 7), {2038, 1, 19, 3, 14, 7, 2, 18});
}

TEST(Time, OffsetAcrossTheBorderCarriesThroughEveryField) {
    ExpectFields(base::UtcTime(2147483647, 1), {2038, 1, 19, 3, 14, 8, 2, 18});
    ExpectFields(base::UtcTime(0, -1), {1969, 12, 31, 23, 59, 59, 3, 364});
    ExpectFields(base::UtcTime(2147483647, 2147483647), {2106, 2, 7, 6, 28, 14, 0, 37});
    ExpectFields(base::UtcTime(2147483647, 2 * 365 * 86400 + 5 * 3600), {2040, 1, 19, 8, 14, 7, 4, 18});
    ExpectFields(base::UtcTime(2147483647, 2214086400 - 2147483647), {2040, 2, 29, 0, 0, 0, 3, 59});
    // 2100 is no leap year.
    ExpectFields(base::UtcTime(2147483000, 4107542400 - 2147483000), {2100, 3, 1, 0, 0, 0, 1, 59});
}

TEST(Time, OffsetCannotRescueAnUnconvertibleStart) {
    EXPECT_RAISES(base::OutOfRange_t, base::UtcTime(-5, -10), "BASE_Time", 167);
}

TEST(Time, SystemTimeTakesEveryField) {
    const SYSTEMTIME st = base::ToSystemTime(base::UtcTime(1075298352));
    EXPECT_EQ(st.wYear, 2004);
    EXPECT_EQ(st.wMonth, 1);
    EXPECT_EQ(st.wDayOfWeek, 3);
    EXPECT_EQ(st.wDay, 28);
    EXPECT_EQ(st.wHour, 13);
    EXPECT_EQ(st.wMinute, 59);
    EXPECT_EQ(st.wSecond, 12);
    EXPECT_EQ(st.wMilliseconds, 0);
}

TEST(Time, NowIsAfterTheTimeOfWriting) {
    EXPECT_GT(base::Now(), 1700000000);
}

TEST(Time, ZoneTextShowsNonZeroOffsetsInHours) {
    EXPECT_EQ(base::ZoneText(0), "(UTC)");
    EXPECT_EQ(base::ZoneText(3600), "(UTC+1.00)");
    EXPECT_EQ(base::ZoneText(19800), "(UTC+5.50)");
    EXPECT_EQ(base::ZoneText(-18000), "(UTC-5.00)");
    EXPECT_EQ(base::ZoneText(36000), "(UTC+10.00)");
    EXPECT_EQ(base::ZoneText(-43200), "(UTC-12.00)");
}

}  // namespace
