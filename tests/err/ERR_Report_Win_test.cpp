// The report's text from given values: its lines, the version text and introduction by build
// label, and the system description's table.
#include <gtest/gtest.h>

#include <new>

#include "base/BASE_StringResource.h"
#include "err/ERR_FatalDialog.h"
#include "err/ERR_Report.h"

namespace {

SYSTEMTIME FixedTime() {
    SYSTEMTIME t = {};
    t.wYear = 2026;
    t.wMonth = 12;
    t.wDayOfWeek = 2;
    t.wDay = 8;
    t.wHour = 15;
    t.wMinute = 4;
    t.wSecond = 5;
    return t;
}

const char* const kSystem =
    "OS: Windows XP Service Pack 2\nProcessor: Pentium Pro or Pentium II, RAM: 523760 KB\n";
const char* const kHead =
    "\nApp: Trovix\nAt: 12/8/2026 3:04:05 PM (UTC) \n"
    "OS: Windows XP Service Pack 2\nProcessor: Pentium Pro or Pentium II, RAM: 523760 KB\n";

TEST(ReportText, LaysOutEveryLine) {
    struct Case {
        const char* file;
        int line;
        std::string text;
        std::string tail;
    } cases[] = {
        {"TROVE_Database", 412, "Waypoint: A already exists.",
         "TROVE_DATABASE-412-2.2\nWaypoint: A already exists.\n"},
        {"C:\\src\\addin\\OrvenImportCommand.cpp", 162, std::bad_alloc().what(),
         "ORVENIMPORTCOMMAND.CPP-162-2.2\nstd::bad_alloc\n"},
        {"base/BASE_Optional.h", 20, "", "BASE_OPTIONAL.H-20-2.2\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(err::ReportText(c.file, c.line, c.text, FixedTime(), kSystem), kHead + c.tail) << c.file;
    }
}

TEST(ReportText, VersionAndIntroductionFollowTheBuildLabel) {
    base::ApplicationInfo_t test_build;
    test_build.build_date = "Jan 28 2004";
    test_build.build_time = "13:59:12";
    test_build.build_label = "DEV";
    EXPECT_EQ(err::VersionText(test_build), "2.2.1.0-Beta\nJan 28 2004, 13:59:12 (DEV)");
    EXPECT_EQ(err::VersionText(base::TheApplicationInfo()), "2.2");

    const std::string with_name = base::StringResource_t(5608, "test", 1).Format({"Trovix"}, "test", 1);
    EXPECT_NE(with_name.find("Trovix"), std::string::npos);
    EXPECT_EQ(err::IntroductionText(true, test_build), with_name);
    EXPECT_EQ(err::IntroductionText(true), base::StringResource_t(5602, "test", 1).text);
    EXPECT_EQ(err::IntroductionText(false), base::StringResource_t(5603, "test", 1).text);
    EXPECT_EQ(err::IntroductionText(false, test_build), base::StringResource_t(5603, "test", 1).text);
}

TEST(SystemDescription, NamesSystemProcessorAndMemory) {
    struct Case {
        DWORD platform, major, minor;
        const char* service_pack;
        WORD architecture, level;
        DWORD type;
        std::string expected;
    } cases[] = {
        {VER_PLATFORM_WIN32_WINDOWS, 4, 10, " A ", 0, 0, 586, "OS: Windows 98 SE\nProcessor: Pentium"},
        {VER_PLATFORM_WIN32_WINDOWS, 4, 0, " C", 0, 0, 486, "OS: Windows 95 OSR2\nProcessor: 486"},
        {VER_PLATFORM_WIN32_WINDOWS, 4, 90, "", 0, 0, 9, "OS: Windows Me \nProcessor: Processor Level: 9"},
        {VER_PLATFORM_WIN32s, 3, 11, "", 0, 0, 386, "OS: Win32s on Windows 3.1 \nProcessor: 386"},
        {VER_PLATFORM_WIN32_NT, 5, 1, "Service Pack 2", PROCESSOR_ARCHITECTURE_INTEL, 6, 586,
         "OS: Windows XP Service Pack 2\nProcessor: Pentium Pro or Pentium II"},
        {VER_PLATFORM_WIN32_NT, 5, 0, "", PROCESSOR_ARCHITECTURE_INTEL, 15, 586,
         "OS: Windows 2000 \nProcessor: Intel Processor Level: 15"},
        {VER_PLATFORM_WIN32_NT, 6, 1, "Service Pack 1", PROCESSOR_ARCHITECTURE_AMD64, 6, 8664,
         "OS: WIN32 Windows Platform, Major Version: 6, Minor Version: 1 Service Pack 1\n"
         "Processor: Not an Intel Processor"},
    };
    for (const Case& c : cases) {
        OSVERSIONINFOA os = {};
        os.dwPlatformId = c.platform;
        os.dwMajorVersion = c.major;
        os.dwMinorVersion = c.minor;
        lstrcpyA(os.szCSDVersion, c.service_pack);
        SYSTEM_INFO cpu = {};
        cpu.wProcessorArchitecture = c.architecture;
        cpu.wProcessorLevel = c.level;
        cpu.dwProcessorType = c.type;
        MEMORYSTATUS memory = {};
        memory.dwTotalPhys = 512u * 1024 * 1024 + 1023;
        EXPECT_EQ(err::SystemDescription(os, cpu, memory), c.expected + ", RAM: 524288 KB\n");
    }
}

}  // namespace
