// The import command end to end: the stand-in host loads Trovix.dll, runs the command and answers its
// dialogs from a second thread (one host process per case, since the host objects of the first
// conversion stay for the process), and one case in this process for a failure only code in the
// same module can raise.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "ADDIN_TestSupport.h"
#include "addin/ADDIN_OrvenImportCommand.h"
#include "trove/TROVE_Database.h"
#include "tbk/TBK_FileBuilder.h"
#include "tests/host/HOST_Application.h"
#include "win/WIN_ResourceHandle.h"

namespace {

using addin_test::LoadText;

std::string Text(UINT id) {
    static HMODULE language = ::LoadLibraryA(addin_test::LanguageDll().c_str());
    return LoadText(language, id);
}

tbk::Waypoint_t Wp(const std::string& name, std::int32_t id_class = 0) {
    tbk::Waypoint_t waypoint;
    waypoint.key.name = name;
    waypoint.key.id_class = id_class;
    return waypoint;
}

struct Import_t {
    std::string output;
    std::vector<std::string> boxes;  // the "box:" and "error:" lines, in order
    std::size_t Count(const std::string& call) const {
        std::size_t n = 0;
        for (std::size_t at = output.find("\n" + call); at != std::string::npos; at = output.find("\n" + call, at + 1))
            ++n;
        return n;
    }
};

class Import : public ::testing::Test {
protected:
    std::string Save(const tbk::FileBuilder_t& file, const std::string& name = "file.tbk") const {
        const std::string path = folder.Path() + "\\" + name;
        file.Save(path);
        return path;
    }

    // The host runs the command once per run; extra options go before.
    Import_t Run(const std::string& pick, const std::string& extra = std::string(), int runs = 1) const {
        std::string line = "\"" + addin_test::HostExe() + "\" --dll \"" + addin_test::AddinDll() + "\" " + extra;
        for (int i = 0; i < runs; ++i) line += " --run OrvenImportCommand";
        if (!pick.empty()) line += " --pick \"" + pick + "\"";
        line += " --answer-boxes";
        Import_t result{addin_test::Run(line).output, {}};
        // The host's standard output is in text mode; its texts carry their own line ends escaped.
        result.output.erase(std::remove(result.output.begin(), result.output.end(), '\r'), result.output.end());
        std::istringstream lines(result.output);
        for (std::string l; std::getline(lines, l);) {
            if (l.rfind("box: ", 0) == 0 || l.rfind("error: ", 0) == 0) result.boxes.push_back(l);
        }
        return result;
    }

    static std::string Box(const std::string& text, const std::string& icon = "warning") {
        return "box: " + host::Quote(Text(105)) + " icon=" + icon + " " + host::Quote(text);
    }
    static std::string Count(int n, UINT text) { return Box(std::to_string(n) + Text(text), "none"); }

    addin_test::TempDir_t folder{"import"};
};

TEST_F(Import, CancelledDialogDoesNothing) {
    const Import_t import = Run("");
    EXPECT_NE(import.output.find("open: " + host::Quote(Text(101))), std::string::npos) << import.output;
    EXPECT_TRUE(import.boxes.empty()) << import.output;
    EXPECT_EQ(import.Count("GetRecordStore"), 0u);
    EXPECT_NE(import.output.find("OnCommand -> 0x00000000"), std::string::npos);
}

TEST_F(Import, CountsTheClassZeroWaypointsItConverts) {
    const struct {
        std::vector<tbk::Waypoint_t> waypoints;
        bool legacy;
        std::size_t records;
        std::string message;
    } cases[] = {
        {{Wp("SIX", 6)}, false, 0, Count(0, 104)},
        {{Wp("ONE"), Wp("SIX", 6)}, false, 1, Count(1, 103)},
        {{Wp("ONE"), Wp("TWO")}, false, 2, Count(2, 104)},
        {{Wp("OLD")}, true, 1, Count(1, 103)},
    };
    for (const auto& c : cases) {
        tbk::FileBuilder_t file = c.legacy ? tbk::FileBuilder_t::Legacy() : tbk::FileBuilder_t();
        if (!c.legacy) file.Header();
        for (const auto& waypoint : c.waypoints) file.Waypoint(waypoint);
        const Import_t import = Run(Save(file));
        EXPECT_EQ(import.boxes, std::vector<std::string>{c.message}) << import.output;
        EXPECT_EQ(import.Count("AddRecord"), c.records);
        EXPECT_EQ(import.output.find("\"SIX\""), std::string::npos);
    }
}

TEST_F(Import, OneWaypointIsOneRecordWithItsCallsInOrder) {
    tbk::Waypoint_t waypoint = Wp("HUT");
    waypoint.key.id_text = "id";
    waypoint.body.position = {-1, 0, -1.0};
    waypoint.body.symbol = 139;
    waypoint.body.text_1 = "comment";
    waypoint.body.text_2 = "two";
    waypoint.body.text_3 = "three";
    waypoint.body.text_5 = "five";
    waypoint.body.real_2 = 250;
    tbk::FileBuilder_t file;
    file.Header().Waypoint(waypoint);
    const Import_t import = Run(Save(file));

    const std::string expected = "GetRecordStore()\nGetCategoryList()\nGetItemText(0)\n"
                                 "AddRecord(\"Unfiled\", \"\", \"HUT\")\n"
                                 "Record1.PutIndexedText(3, \"VELDOR FFFFFFFF 00000000 B205A ABF800000\")\n"
                                 "Record1.PutText1(\"five\")\nRecord1.PutText2(\"two\")\n"
                                 "Record1.PutText3(\"three\")\nRecord1.PutText4(\"id\")\n"
                                 "Record1.PutNote(" +
                                 host::Quote(Text(108) + "comment\r\n" + Text(112) + "250.0m\r\n") + ")\n";
    EXPECT_NE(import.output.find(expected), std::string::npos) << import.output;
    EXPECT_EQ(import.boxes, std::vector<std::string>{Count(1, 103)});
}

// The file read on its own, in this program: no host object is involved before the file is read.
TEST_F(Import, EveryWayTheFileCannotBeReadIsAWarning) {
    win::UseLanguageModule(addin_test::LanguageDll());
    tbk::FileBuilder_t newer_data(106);
    newer_data.Header().Waypoint(Wp("A"));
    tbk::HeaderValues_t format_101;
    format_101.format_version = 101;
    tbk::FileBuilder_t newer_format(100);
    newer_format.Header(format_101);
    tbk::FileBuilder_t bad;
    bad.Header().Record('W', "short");
    tbk::FileBuilder_t ok;
    ok.Header().Waypoint(Wp("A"));
    const std::string missing = folder.Path() + "\\missing.tbk";
    const std::string newer_data_path = Save(newer_data, "newer_data.tbk");
    const std::string newer_format_path = Save(newer_format, "newer_format.tbk");
    const std::string bad_path = Save(bad, "bad.tbk");
    const std::string tiny_path = Save(tbk::FileBuilder_t().Raw("Tb"), "tiny.tbk");
    const std::string locked_path = Save(ok, "locked.tbk");
    auto with_path = [](UINT id, const std::string& path) {
        std::string text = Text(id);
        for (std::size_t at; (at = text.find("%0")) != std::string::npos;) text.replace(at, 2, path);
        return text;
    };
    // Held by another program that lets nobody else read it.
    HANDLE held = ::CreateFileA(locked_path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const struct {
        std::string path;
        std::string text;
    } cases[] = {
        {missing, Text(107)},
        {locked_path, Text(106)},
        {newer_data_path, with_path(115, newer_data_path)},
        {newer_format_path, with_path(115, newer_format_path)},
        {bad_path, with_path(102, bad_path)},
        {tiny_path, with_path(102, tiny_path)},
    };
    auto command = COrvenImportCommand::Create();
    for (const auto& c : cases) {
        trove::Database_t database(trove::Name_t(std::string()), 3);
        host::DialogWatcher_t watcher;
        EXPECT_FALSE(command.Get()->ReadFile(c.path, database)) << c.path;
        ASSERT_TRUE(watcher.WaitFor(1)) << c.path;
        const host::Box_t box = watcher.Boxes()[0];
        EXPECT_EQ(box.text, c.text) << c.path;
        EXPECT_EQ(box.caption, Text(105));
        EXPECT_EQ(box.icon, "warning");
    }
    ::CloseHandle(held);
}

TEST_F(Import, AFailingHostCallStopsTheImportAndKeepsTheRecordsAdded) {
    tbk::FileBuilder_t file;
    file.Header().Waypoint(Wp("A")).Waypoint(Wp("B")).Waypoint(Wp("C"));
    const std::string path = Save(file);
    const struct {
        std::string answer;
        std::string text;
    } cases[] = {
        {"Record2.PutText2=0x80004005:The handheld data is locked", "The handheld data is locked"},
        {"Record2.PutText2=0x80004005", ""},
    };
    for (const auto& c : cases) {
        const Import_t import = Run(path, "--answer \"" + c.answer + "\"");
        EXPECT_EQ(import.boxes, std::vector<std::string>{Box(c.text)}) << import.output;
        EXPECT_EQ(import.Count("AddRecord"), 2u);
        EXPECT_EQ(import.Count("Record2.PutText3"), 0u);
    }
}

TEST_F(Import, AFailedSetupIsRetriedAndItsObjectsServeLaterImports) {
    tbk::FileBuilder_t file;
    file.Header().Waypoint(Wp("A"));
    const Import_t import = Run(Save(file), "--answer \"GetRecordStore#1=0x80004005:no store\"", 3);
    EXPECT_EQ(import.boxes, (std::vector<std::string>{Box("no store"), Count(1, 103), Count(1, 103)}))
        << import.output;
    EXPECT_EQ(import.Count("GetRecordStore"), 2u);
    EXPECT_EQ(import.Count("GetItemText"), 1u);
    EXPECT_EQ(import.Count("AddRecord(\"Unfiled\", \"\", \"A\")"), 2u);
}

// The log lines of one report: App, At (UTC), OS, processor and RAM, location and version, text.
void ExpectReport(const std::string& log, const std::string& location, const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(log);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    ASSERT_GE(lines.size(), 6u) << log;
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "App: Trovix");
    EXPECT_EQ(lines[2].rfind("At: ", 0), 0u);
    EXPECT_NE(lines[2].find(" (UTC) "), std::string::npos) << lines[2];
    EXPECT_EQ(lines[3].rfind("OS: ", 0), 0u);
    EXPECT_EQ(lines[4].rfind("Processor: ", 0), 0u);
    EXPECT_NE(lines[4].find(", RAM: "), std::string::npos);
    EXPECT_EQ(lines[5], location + "-2.2");
    if (!text.empty()) EXPECT_EQ(lines.at(6), text);
}

TEST_F(Import, AnUnexpectedFailureIsLoggedAndShownInTheErrorDialog) {
    tbk::FileBuilder_t legacy = tbk::FileBuilder_t::Legacy();
    legacy.Waypoint(Wp("A")).Waypoint(Wp("a"));
    const std::string path = Save(legacy);
    // The report goes under the child's temporary folder.
    ::SetEnvironmentVariableA("TMP", folder.Path().c_str());
    ::SetEnvironmentVariableA("TEMP", folder.Path().c_str());
    const Import_t import = Run(path);
    ::SetEnvironmentVariableA("TMP", nullptr);
    ::SetEnvironmentVariableA("TEMP", nullptr);

    ASSERT_EQ(import.boxes.size(), 1u) << import.output;
    EXPECT_EQ(import.boxes[0].rfind("error: \"Trovix\" " + host::Quote(Text(5602)).substr(0, 20), 0), 0u)
        << import.boxes[0];
    EXPECT_NE(import.boxes[0].find("TROVE_DATABASE-2206"), std::string::npos) << import.boxes[0];
    std::ifstream log(folder.Path() + "\\Trovix\\Trovix.log");
    std::stringstream content;
    content << log.rdbuf();
    ExpectReport(content.str(), "TROVE_DATABASE-2206", "");
}

// std::bad_alloc from a host call: the code raising it must be in the same module as the net, so the
// command runs in this program.
TEST_F(Import, OutOfMemoryReachesTheErrorDialogWithItsLine) {
    win::UseLanguageModule(addin_test::LanguageDll());
    tbk::FileBuilder_t file;
    file.Header().Waypoint(Wp("A"));
    const std::string path = Save(file);
    auto recorder = std::make_shared<host::Recorder_t>();
    recorder->SetThrow("AddRecord");
    auto application = host::Make<host::Application_t>(recorder);
    auto command = COrvenImportCommand::Create();
    command.Get()->SetHost(static_cast<IDesktopApplication*>(application.Get()));
    ::SetEnvironmentVariableA("TMP", folder.Path().c_str());
    ::SetEnvironmentVariableA("TEMP", folder.Path().c_str());
    std::vector<host::Box_t> boxes;
    {
        host::DialogWatcher_t watcher(path);
        EXPECT_EQ(command.Get()->OnCommand(), S_OK);
        ASSERT_TRUE(watcher.WaitFor(2));
        boxes = watcher.Boxes();
    }
    ::SetEnvironmentVariableA("TMP", nullptr);
    ::SetEnvironmentVariableA("TEMP", nullptr);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].kind, "error");
    std::ifstream log(folder.Path() + "\\Trovix\\Trovix.log");
    std::stringstream content;
    content << log.rdbuf();
    ExpectReport(content.str(), "ORVENIMPORTCOMMAND-162", std::bad_alloc().what());
}

TEST_F(Import, TheRecordsThroughTheHostAreThoseTheToolMakes) {
    const std::string example = addin_test::WinPath(TROVIX_TEST_EXAMPLE);
    const std::string records = folder.Path() + "\\records.json";
    const Import_t import = Run(example, "--records \"" + records + "\"");
    EXPECT_EQ(import.boxes.size(), 1u) << import.output;
    const addin_test::ProcessResult_t tool = addin_test::Run("\"" + addin_test::WinPath(TROVIX_TEST_TROVIX_EXE) +
                                                             "\" records \"" + example + "\"");
    ASSERT_EQ(tool.exit_code, 0u) << tool.output;
    EXPECT_EQ(addin_test::ReadFileText(records), tool.output);
}

}  // namespace

namespace {

// A language module without the dialog's title: the assertion for string 101 reaches the net, whose
// report cannot load its own texts either; that failure ends in a warning box, not in the host.
TEST(ImportNet, AFailingReportStillReturnsToTheHost) {
    win::UseLanguageModule(addin_test::BareLanguageDll());
    auto command = COrvenImportCommand::Create();
    std::vector<host::Box_t> boxes;
    {
        host::DialogWatcher_t watcher;
        EXPECT_EQ(command.Get()->OnCommand(), S_OK);
        ASSERT_TRUE(watcher.WaitFor(1));
        boxes = watcher.Boxes();
    }
    win::UseLanguageModule(addin_test::LanguageDll());
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].kind, "box");
    EXPECT_EQ(boxes[0].icon, "warning");
}

}  // namespace
