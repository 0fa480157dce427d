#pragma once
// The text of a fatal-error report and its parts, built apart from the dialog so that each
// piece can be formed from given values.
#include <windows.h>

#include <string>

#include "base/BASE_ApplicationInfo.h"

namespace err {

// One report, every line ending in "\n":
//   "", "App: <name>", "At: <date> <time> (UTC) ", the system description (two lines),
//   "<FILE.EXT>-<line>-<version text>", then the text when it is not empty.
// The time is given as UTC and formatted for U.S. English (1033); a time the system cannot
// format raises win::Error_t.
std::string ReportText(const char* file, int line, const std::string& text, const SYSTEMTIME& utc,
                       const std::string& system,
                       const base::ApplicationInfo_t& app = base::TheApplicationInfo());

// "<major>.<minor>", and for builds other than the release label also
// ".<build>.<revision>-Beta\n<build date>, <build time> (<label>)".
std::string VersionText(const base::ApplicationInfo_t& app);

// The raising file's name and extension without their directory, upper-cased.
std::string LocationName(const char* file);

// "OS: ...\nProcessor: ..., RAM: <n> KB\n" from the given system facts.
std::string SystemDescription(const OSVERSIONINFOA& os, const SYSTEM_INFO& cpu, const MEMORYSTATUS& memory);

// The same for the running system.
std::string SystemDescription();

// The current time, UTC.
SYSTEMTIME CurrentUtcTime();

// The label that marks a release build.
constexpr const char* kReleaseLabel = "SQA";

}  // namespace err
