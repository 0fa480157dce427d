#include <cstring>
#include <sstream>

#include "base/BASE_Locale.h"
#include "base/BASE_MBString.h"
#include "base/BASE_Time.h"
#include "err/ERR_Report.h"
#include "win/WIN_TimeStr.h"

namespace err {

namespace {

constexpr LCID kUsEnglish = 1033;

std::string SystemName(const OSVERSIONINFOA& os) {
    const DWORD major = os.dwMajorVersion;
    const DWORD minor = os.dwMinorVersion;
    switch (os.dwPlatformId) {
        case VER_PLATFORM_WIN32s:
            return "Win32s on Windows 3.1";
        case VER_PLATFORM_WIN32_WINDOWS:
            if (major == 4 && minor == 0) return "Windows 95";
            if (major == 4 && minor == 10) return "Windows 98";
            if (major == 4 && minor == 90) return "Windows Me";
            break;
        case VER_PLATFORM_WIN32_NT:
            if (major == 3) return "Windows NT 3.51";
            if (major == 4) return "Windows NT 4.0";
            if (major == 5 && minor == 0) return "Windows 2000";
            if (major == 5 && minor == 1) return "Windows XP";
            break;
        default:
            break;
    }
    std::ostringstream out;
    out << "WIN32 Windows Platform"
        << ", Major Version: " << major << ", Minor Version: " << minor;
    return out.str();
}

std::string ServicePack(const OSVERSIONINFOA& os) {
    // The second edition of 98 and the second release of 95 say so by one letter.
    const char* csd = os.szCSDVersion;
    if (csd[0] != '\0' && csd[1] == 'A') return "SE";
    if (csd[0] != '\0' && csd[1] == 'C') return "OSR2";
    return std::string(csd, strnlen(csd, sizeof os.szCSDVersion));
}

std::string ProcessorName(const OSVERSIONINFOA& os, const SYSTEM_INFO& cpu) {
    std::ostringstream out;
    if (os.dwPlatformId == VER_PLATFORM_WIN32_NT) {
        if (cpu.wProcessorArchitecture != PROCESSOR_ARCHITECTURE_INTEL) return "Not an Intel Processor";
        switch (cpu.wProcessorLevel) {
            case 3:
                return "386";
            case 4:
                return "486";
            case 5:
                return "Pentium";
            case 6:
                return "Pentium Pro or Pentium II";
            default:
                out << "Intel Processor Level: " << cpu.wProcessorLevel;
                return out.str();
        }
    }
    switch (cpu.dwProcessorType) {
        case 386:
            return "386";
        case 486:
            return "486";
        case 586:
            return "Pentium";
        default:
            out << "Processor Level: " << cpu.dwProcessorType;
            return out.str();
    }
}

}  // namespace

std::string VersionText(const base::ApplicationInfo_t& app) {
    std::ostringstream out;
    out << app.major << "." << app.minor;
    if (app.build_label != kReleaseLabel) {
        out << "." << app.build << "." << app.revision << "-Beta\n"
            << app.build_date << ", " << app.build_time << " (" << app.build_label << ")";
    }
    return out.str();
}

std::string LocationName(const char* file) {
    const std::string path = file != nullptr ? file : "";
    const std::size_t cut = path.find_last_of("\\/:");
    const std::string name = cut == std::string::npos ? path : path.substr(cut + 1);
    return base::ToUpper(name, base::SystemLocale());
}

std::string SystemDescription(const OSVERSIONINFOA& os, const SYSTEM_INFO& cpu, const MEMORYSTATUS& memory) {
    std::ostringstream out;
    out << "OS: " << SystemName(os) << " " << ServicePack(os) << "\n";
    out << "Processor: " << ProcessorName(os, cpu) << ", "
        << "RAM: " << static_cast<unsigned long long>(memory.dwTotalPhys) / 1024 << " KB"
        << "\n";
    return out.str();
}

std::string SystemDescription() {
    OSVERSIONINFOA os = {};
    os.dwOSVersionInfoSize = sizeof os;
    ::GetVersionExA(&os);
    SYSTEM_INFO cpu = {};
    ::GetSystemInfo(&cpu);
    MEMORYSTATUS memory = {};
    memory.dwLength = sizeof memory;
    ::GlobalMemoryStatus(&memory);
    return SystemDescription(os, cpu, memory);
}

SYSTEMTIME CurrentUtcTime() {
    return base::ToSystemTime(base::UtcTime(base::Now(), 0));
}

std::string ReportText(const char* file, int line, const std::string& text, const SYSTEMTIME& utc,
                       const std::string& system, const base::ApplicationInfo_t& app) {
    std::ostringstream out;
    out << "\nApp: " << app.name;
    out << "\nAt: " << win::DateText(kUsEnglish, utc) << " " << win::TimeText(kUsEnglish, 0, utc) << " "
        << base::ZoneText(0);
    out << " \n" << system;
    out << LocationName(file) << "-" << line;
    out << "-" << VersionText(app) << "\n";
    if (!text.empty()) out << text << "\n";
    return out.str();
}

}  // namespace err
