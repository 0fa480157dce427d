#pragma once
// The identification of this build, reported by the fatal-error dialog and the error log.
#include <cstdint>
#include <string>

namespace base {

class ApplicationInfo_t {
public:
    ApplicationInfo_t();
    virtual ~ApplicationInfo_t() = default;

    std::string name;
    std::int32_t major;
    std::int32_t minor;
    std::int32_t build;
    std::int32_t revision;
    std::string build_date;   // as the compiler writes it, "Jan 28 2004"
    std::string build_time;   // "13:59:12"
    std::string build_label;  // "SQA" marks a release build
};

// The program's one instance, built on first use.
const ApplicationInfo_t& TheApplicationInfo();

}  // namespace base
