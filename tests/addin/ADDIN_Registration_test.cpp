// Registration through regsvr32 in child processes, read back from the registry; the stand-in host's
// add-in manager; late binding from the script host; the host program creating the add-in by CLSID.
#include <gtest/gtest.h>

#include <algorithm>

#include "ADDIN_TestSupport.h"
#include "tests/host/HOST_AddinManager.h"

using addin_test::BoxWatcher_t;
using addin_test::KeyExists;
using addin_test::Regsvr32;
using addin_test::SubKeys;

namespace {

const std::string kClsid = "{6E1F0C52-3A7D-4B19-9C2E-5D8A41B7F306}";
const std::string kLibid = "{A4C3E9B1-27D5-4F60-8E1A-93B0C6D2F745}";
const std::string kAddinIid = "{5B5B8648-42E9-11D4-80F2-00C04FA03755}";
const std::string kCommandIid = "{5BC6D01A-42E9-11D4-80F2-00C04FA03755}";

std::string Text(const std::string& path, const std::string& name = std::string(),
                 HKEY root = HKEY_CLASSES_ROOT) {
    std::string text;
    return addin_test::ReadText(root, path, name, text) ? text : "<missing>";
}

// Everything a registration of the add-in may leave behind.
void RemoveAddinEntries() {
    for (const std::string& key :
         {std::string("Trovix.OrvenAddin.1"), std::string("Trovix.OrvenAddin"), "CLSID\\" + kClsid,
          "TypeLib\\" + kLibid, "Interface\\" + kAddinIid, "Interface\\" + kCommandIid})
        addin_test::DeleteTree(HKEY_CLASSES_ROOT, key);
}

class Registration : public ::testing::Test {
protected:
    void SetUp() override {
        RemoveAddinEntries();
        addin_test::DeleteTree(HKEY_CURRENT_USER, "Software\\Trovix Stand-in Host");
        ASSERT_EQ(Regsvr32(addin_test::ManagerDll()), 0u);
        log_path = folder.Path() + "\\host.log";
        ::SetEnvironmentVariableA("TROVIX_HOST_LOG", log_path.c_str());
        ::SetEnvironmentVariableA("TROVIX_HOST_FAIL", nullptr);
        dll = folder.Copy(addin_test::AddinDll(), "Trovix.dll");
        folder.Copy(addin_test::LanguageDll(), "Trovix_LANG.dll");
    }
    void TearDown() override {
        ::SetEnvironmentVariableA("TROVIX_HOST_FAIL", nullptr);
        ::SetEnvironmentVariableA("TROVIX_HOST_LOG", nullptr);
        Regsvr32(dll, true);
        Regsvr32(addin_test::ManagerDll(), true);
        RemoveAddinEntries();
        addin_test::DeleteTree(HKEY_CURRENT_USER, "Software\\Trovix Stand-in Host");
    }

    // The host's entries for the add-in.
    std::vector<std::string> HostEntries() const {
        std::vector<std::string> entries;
        for (const std::string& key : SubKeys(HKEY_CURRENT_USER, host::kAddinListKey)) {
            std::string path = std::string(host::kAddinListKey) + "\\" + key;
            entries.push_back(Text(path, "Clsid", HKEY_CURRENT_USER) + " " +
                              Text(path, "Name", HKEY_CURRENT_USER));
        }
        return entries;
    }
    std::string HostLog() const { return addin_test::ReadFileText(log_path); }

    addin_test::TempDir_t folder{"it's here"};  // a single quote in the module's path
    std::string dll;
    std::string log_path;
};

TEST_F(Registration, WritesEveryEntry) {
    ASSERT_EQ(Regsvr32(dll), 0u);

    EXPECT_EQ(Text("Trovix.OrvenAddin.1"), "Trovix Addin Class");
    EXPECT_EQ(Text("Trovix.OrvenAddin.1\\CLSID"), kClsid);
    EXPECT_EQ(Text("Trovix.OrvenAddin"), "Trovix Addin Class");
    EXPECT_EQ(Text("Trovix.OrvenAddin\\CLSID"), kClsid);
    EXPECT_EQ(Text("Trovix.OrvenAddin\\CurVer"), "Trovix.OrvenAddin.1");

    const std::string cls = "CLSID\\" + kClsid;
    EXPECT_EQ(Text(cls), "Trovix Addin Class");
    EXPECT_EQ(Text(cls + "\\ProgID"), "Trovix.OrvenAddin.1");
    EXPECT_EQ(Text(cls + "\\VersionIndependentProgID"), "Trovix.OrvenAddin");
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, cls + "\\Programmable"));
    EXPECT_EQ(Text(cls + "\\Programmable"), "<missing>");
    EXPECT_EQ(Text(cls + "\\InprocServer32"), dll);
    EXPECT_EQ(Text(cls + "\\InprocServer32", "ThreadingModel"), "Apartment");
    EXPECT_EQ(Text(cls + "\\TypeLib"), kLibid);
    std::vector<std::string> keys = SubKeys(HKEY_CLASSES_ROOT, cls);
    std::sort(keys.begin(), keys.end());
    EXPECT_EQ(keys, (std::vector<std::string>{"InprocServer32", "ProgID", "Programmable", "TypeLib",
                                              "VersionIndependentProgID"}));

    EXPECT_EQ(Text("TypeLib\\" + kLibid + "\\1.0"), "Trovix Palm Desktop Addin 1.0 Type Library");
    // The type library's platform key is that of the process that registered it.
    const std::string platform = sizeof(void*) == 8 ? "win64" : "win32";
    std::string library_file = Text("TypeLib\\" + kLibid + "\\1.0\\0\\" + platform);
    EXPECT_NE(library_file.find("it's here\\Trovix.dll"), std::string::npos) << library_file;
    EXPECT_EQ(Text("Interface\\" + kAddinIid), "IDesktopAddin");
    EXPECT_EQ(Text("Interface\\" + kAddinIid + "\\TypeLib"), kLibid);
    EXPECT_EQ(Text("Interface\\" + kCommandIid), "IDesktopCommand");
    EXPECT_EQ(Text("Interface\\" + kCommandIid + "\\TypeLib"), kLibid);

    EXPECT_EQ(HostEntries(), std::vector<std::string>{kClsid + " Trovix Addin"});
}

TEST_F(Registration, TwiceLeavesOneHostEntryAndAFreshClassKey) {
    ASSERT_EQ(Regsvr32(dll), 0u);
    HKEY stale = nullptr;
    ASSERT_EQ(::RegCreateKeyA(HKEY_CLASSES_ROOT, ("CLSID\\" + kClsid + "\\Stale").c_str(), &stale),
              ERROR_SUCCESS);
    ::RegCloseKey(stale);

    ASSERT_EQ(Regsvr32(dll), 0u);
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "CLSID\\" + kClsid + "\\Stale"));
    EXPECT_EQ(HostEntries(), std::vector<std::string>{kClsid + " Trovix Addin"});
    const std::string find = "FindAddin(\"" + kClsid + "\")\n";
    const std::string add = "AddAddin(\"" + kClsid + "\", \"Trovix Addin\")\n";
    EXPECT_EQ(HostLog(), find + add + find + "Remove(\"0001\")\n" + add);
}

TEST_F(Registration, UnregisteringRemovesAllButTheClsidRoot) {
    ASSERT_EQ(Regsvr32(dll), 0u);
    ASSERT_EQ(Regsvr32(dll, true), 0u);
    for (const std::string& key :
         {std::string("Trovix.OrvenAddin.1"), std::string("Trovix.OrvenAddin"), "CLSID\\" + kClsid,
          "TypeLib\\" + kLibid, "Interface\\" + kAddinIid, "Interface\\" + kCommandIid})
        EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, key)) << key;
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, "CLSID"));
    EXPECT_TRUE(HostEntries().empty());
}

TEST_F(Registration, UnregisteringKeepsAProgIdThatHoldsForeignKeys) {
    ASSERT_EQ(Regsvr32(dll), 0u);
    HKEY foreign = nullptr;
    ASSERT_EQ(::RegCreateKeyA(HKEY_CLASSES_ROOT, "Trovix.OrvenAddin\\Shell", &foreign), ERROR_SUCCESS);
    ::RegCloseKey(foreign);
    ASSERT_EQ(Regsvr32(dll, true), 0u);
    EXPECT_EQ(SubKeys(HKEY_CLASSES_ROOT, "Trovix.OrvenAddin"), std::vector<std::string>{"Shell"});
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "Trovix.OrvenAddin.1"));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "CLSID\\" + kClsid));
}

TEST_F(Registration, WithoutHostBothDirectionsSucceed) {
    ASSERT_EQ(Regsvr32(addin_test::ManagerDll(), true), 0u);
    ASSERT_EQ(Regsvr32(dll), 0u);
    EXPECT_EQ(Text("CLSID\\" + kClsid + "\\InprocServer32"), dll);
    EXPECT_EQ(Regsvr32(dll, true), 0u);
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "CLSID\\" + kClsid));
    EXPECT_EQ(HostLog(), "");
}

TEST_F(Registration, FailingHostCallsAreSilent) {
    ::SetEnvironmentVariableA("TROVIX_HOST_FAIL", "FindAddin");
    ASSERT_EQ(Regsvr32(dll), 0u);
    EXPECT_TRUE(HostEntries().empty());  // the remaining host calls were skipped
    EXPECT_EQ(Text("CLSID\\" + kClsid), "Trovix Addin Class");
    EXPECT_EQ(Regsvr32(dll, true), 0u);
    EXPECT_EQ(HostLog(), "FindAddin(\"" + kClsid + "\")\nFindAddin(\"" + kClsid + "\")\n");
}

TEST_F(Registration, HostProgramCreatesTheAddinByItsClsid) {
    ASSERT_EQ(Regsvr32(dll), 0u);
    addin_test::ProcessResult_t host = addin_test::Run("\"" + addin_test::HostExe() + "\" --uninitialize");
    EXPECT_EQ(host.exit_code, 0u) << host.output;
    EXPECT_NE(host.output.find("host: CoCreateInstance -> 0x00000000"), std::string::npos) << host.output;
    EXPECT_NE(host.output.find("RegisterCommand(7, \"OrvenImportCommand\", command)"), std::string::npos);
    EXPECT_NE(host.output.find("AddMenuItem(1, "), std::string::npos);
    EXPECT_NE(host.output.find("host: menu bitmap loaded"), std::string::npos) << host.output;
    EXPECT_NE(host.output.find("host: OnInitialize -> 0x00000000 success=1"), std::string::npos);
    EXPECT_NE(host.output.find("host: OnUninitialize -> 0x00000000"), std::string::npos);
}

TEST_F(Registration, ScriptCallsTheAddinThroughItsTypeLibrary) {
    ASSERT_EQ(Regsvr32(dll), 0u);
    std::string script = folder.Path() + "\\late.js";
    std::FILE* file = std::fopen(script.c_str(), "w");
    ASSERT_NE(file, nullptr);
    std::fputs(
        "var addin = new ActiveXObject(\"Trovix.OrvenAddin\");\n"
        "addin.OnUninitialize();\n"
        "addin.ShowAboutBox(0);\n"
        "WScript.Echo(\"script done\");\n",
        file);
    std::fclose(file);

    BoxWatcher_t watcher;
    addin_test::ProcessResult_t result = addin_test::Run("cscript.exe //nologo \"" + script + "\"");
    EXPECT_EQ(result.exit_code, 0u) << result.output;
    EXPECT_NE(result.output.find("script done"), std::string::npos) << result.output;
    auto boxes = watcher.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "Trovix");
    EXPECT_EQ(boxes[0].text, "Trovix Addin AboutBox");
}

}  // namespace
