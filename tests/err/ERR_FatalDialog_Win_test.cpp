// Whole reports: the log file under a temporary directory of the test's own, and the error dialog
// read, used and closed from a second thread.
#include <gtest/gtest.h>
#include <windows.h>

#include <new>
#include <regex>
#include <sstream>
#include <thread>
#include <vector>

#include "base/BASE_StringResource.h"
#include "err/ERR_Clipboard.h"
#include "err/ERR_ErrDlg.h"
#include "err/ERR_FatalDialog.h"
#include "win/WIN_FileText.h"

namespace {

std::string String(std::uint32_t id) {
    return base::StringResource_t(id, "test", 1).text;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    lines.push_back(text.substr(start));
    return lines;
}

// TMP and TEMP pointed at a fresh folder (or at any given path) for the test's length.
class TempDirectory_t {
public:
    TempDirectory_t() {
        char temp[MAX_PATH] = {};
        ::GetTempPathA(MAX_PATH, temp);
        std::ostringstream name;
        name << temp << "err_test_" << ::GetCurrentProcessId() << "_" << counter_++ << "\\";
        folder_ = name.str();
        ::CreateDirectoryA(folder_.c_str(), nullptr);
        Use(folder_);
    }
    ~TempDirectory_t() {
        ::SetEnvironmentVariableA("TMP", saved_tmp_.c_str());
        ::SetEnvironmentVariableA("TEMP", saved_temp_.c_str());
        ::DeleteFileA(LogPath().c_str());
        ::RemoveDirectoryA((folder_ + "Trovix").c_str());
        ::DeleteFileA((folder_ + "file").c_str());
        ::RemoveDirectoryA(folder_.c_str());
    }
    void Use(const std::string& path) {
        ::SetEnvironmentVariableA("TMP", path.c_str());
        ::SetEnvironmentVariableA("TEMP", path.c_str());
    }
    const std::string& Folder() const { return folder_; }
    std::string LogPath() const { return folder_ + "Trovix\\Trovix.log"; }

private:
    static std::string Saved(const char* name) {
        char value[MAX_PATH] = {};
        ::GetEnvironmentVariableA(name, value, MAX_PATH);
        return value;
    }
    static inline int counter_ = 0;
    std::string saved_tmp_ = Saved("TMP");
    std::string saved_temp_ = Saved("TEMP");
    std::string folder_;
};

struct Seen_t {
    bool found = false;
    std::string introduction;
    std::string report;
    bool open_after_copy = false;
    std::string clipboard;
};

std::string ItemText(HWND dialog, int id) {
    HWND item = ::GetDlgItem(dialog, id);
    std::vector<char> text(static_cast<std::size_t>(::GetWindowTextLengthA(item)) + 1);
    ::GetWindowTextA(item, text.data(), static_cast<int>(text.size()));
    return text.data();
}

std::string ClipboardText() {
    for (int attempt = 0; attempt < 50; ++attempt, ::Sleep(20)) {
        if (!::OpenClipboard(nullptr)) continue;
        std::string text;
        if (HANDLE data = ::GetClipboardData(CF_TEXT)) {
            if (const char* bytes = static_cast<const char*>(::GlobalLock(data))) text = bytes;
            ::GlobalUnlock(data);
        }
        ::CloseClipboard();
        return text;
    }
    return "(clipboard not opened)";
}

// Waits for the error dialog, reads its texts, presses Copy Log when asked to, reads the clipboard
// and closes the dialog with OK.
class Driver_t {
public:
    explicit Driver_t(bool copy) : thread_([this, copy] { Drive(copy); }) {}
    ~Driver_t() {
        if (thread_.joinable()) thread_.join();
    }
    const Seen_t& Seen() {
        if (thread_.joinable()) thread_.join();
        return seen_;
    }

private:
    void Drive(bool copy) {
        HWND dialog = nullptr;
        for (int i = 0; i < 1000 && dialog == nullptr; ++i) {
            HWND found = ::FindWindowA("#32770", "Trovix");
            if (found != nullptr && ::IsWindowVisible(found))
                dialog = found;
            else
                ::Sleep(20);
        }
        if (dialog == nullptr) return;
        seen_.found = true;
        seen_.introduction = ItemText(dialog, 5607);
        seen_.report = ItemText(dialog, 5601);
        if (copy) {
            ::SendMessageA(::GetDlgItem(dialog, 5600), BM_CLICK, 0, 0);
            seen_.open_after_copy = ::IsWindow(dialog) && ::IsWindowVisible(dialog);
            seen_.clipboard = ClipboardText();
        }
        ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        for (int i = 0; i < 500 && ::IsWindow(dialog); ++i) ::Sleep(10);
    }

    Seen_t seen_;
    std::thread thread_;
};

// One report's lines in the log: the time and the machine lines by pattern, the others exactly.
void ExpectReport(const std::vector<std::string>& lines, std::size_t first, const std::string& location,
                  const std::string& text) {
    ASSERT_GE(lines.size(), first + 7);
    EXPECT_EQ(lines[first], "");
    EXPECT_EQ(lines[first + 1], "App: Trovix");
    EXPECT_TRUE(std::regex_match(lines[first + 2],
                                 std::regex(R"(At: \d{1,2}/\d{1,2}/\d{4} \d{1,2}:\d\d:\d\d [AP]M \(UTC\) )")))
        << lines[first + 2];
    EXPECT_TRUE(std::regex_match(lines[first + 3], std::regex(R"(OS: \S.* .*)"))) << lines[first + 3];
    EXPECT_TRUE(std::regex_match(lines[first + 4], std::regex(R"(Processor: [^,]+, RAM: [1-9]\d* KB)")))
        << lines[first + 4];
    EXPECT_EQ(lines[first + 5], location);
    EXPECT_EQ(lines[first + 6], text);
}

TEST(FatalDialog, LogsShowsAndCopiesTheReport) {
    TempDirectory_t temp;
    Driver_t driver(true);
    err::FatalDialog_t(base::Exception_t("TROVE_Database", 412, "Waypoint: A already exists."));
    const Seen_t& seen = driver.Seen();
    ASSERT_TRUE(seen.found);

    const std::string log = win::ReadFileText(temp.LogPath());
    const std::vector<std::string> lines = Lines(log);
    ASSERT_EQ(lines.size(), 8u) << log;
    ExpectReport(lines, 0, "TROVE_DATABASE-412-2.2", "Waypoint: A already exists.");
    EXPECT_EQ(lines[7], "");

    EXPECT_EQ(seen.introduction, String(5602));
    EXPECT_EQ(seen.report, String(5604) + "\r\n" + log);
    EXPECT_TRUE(seen.open_after_copy);
    EXPECT_EQ(seen.clipboard, log);
}

TEST(FatalDialog, AppendsEveryReportToTheLog) {
    TempDirectory_t temp;
    {
        Driver_t driver(false);
        err::FatalDialog_t(base::Exception_t("TROVE_Database", 412, "Waypoint: A already exists."));
        ASSERT_TRUE(driver.Seen().found);
    }
    {
        Driver_t driver(false);
        err::FatalDialog_t("OrvenImportCommand", 162, std::bad_alloc());
        ASSERT_TRUE(driver.Seen().found);
    }
    const std::vector<std::string> lines = Lines(win::ReadFileText(temp.LogPath()));
    ASSERT_EQ(lines.size(), 15u);
    ExpectReport(lines, 0, "TROVE_DATABASE-412-2.2", "Waypoint: A already exists.");
    ExpectReport(lines, 7, "ORVENIMPORTCOMMAND-162-2.2", "std::bad_alloc");
}

TEST(FatalDialog, LogThatCannotBeWrittenIsSaidInTheDialog) {
    TempDirectory_t temp;
    // A temporary "directory" that is a file: neither the folder nor the log can be made in it.
    const std::string file = temp.Folder() + "file";
    ::CloseHandle(::CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    temp.Use(file);
    Driver_t driver(false);
    err::FatalDialog_t(base::Exception_t("TROVE_Database", 412, "Waypoint: A already exists."));
    const Seen_t& seen = driver.Seen();
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.introduction, String(5603));
    EXPECT_NE(seen.report.find("\r\nTROVE_DATABASE-412-2.2\r\nWaypoint: A already exists.\r\n"),
              std::string::npos);
    EXPECT_EQ(::GetFileAttributesA((file + "\\Trovix").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(ErrDlg, CopyWithoutALogFileLeavesTheDialogAndTheClipboard) {
    TempDirectory_t temp;
    err::PutTextOnClipboard(nullptr, "before");
    Driver_t driver(true);
    err::ErrDlg_t dialog("Introduction", "\nApp: Trovix\n", temp.LogPath());
    EXPECT_EQ(dialog.DoModal(), IDOK);
    const Seen_t& seen = driver.Seen();
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.introduction, "Introduction");
    EXPECT_EQ(seen.report, String(5604) + "\r\n\r\nApp: Trovix\r\n");
    EXPECT_TRUE(seen.open_after_copy);
    EXPECT_EQ(seen.clipboard, "before");
}

}  // namespace
