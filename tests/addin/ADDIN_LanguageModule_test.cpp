// Start-up with a language module beside the DLL that is of another version, missing, or without the
// add-in's menu texts. Each case runs in a child process: a box shown while the DLL loads can only be
// read and closed from outside that process.
#include <gtest/gtest.h>

#include "ADDIN_TestSupport.h"

using addin_test::BoxWatcher_t;

namespace {

const char kLanguageMessage[] = "Incorrect or missing language dll file. Please reinstall Trovix_LANG.dll.";

// Loads dll in a child process while watching for boxes.
addin_test::ProcessResult_t LoadInChild(const std::string& dll, BoxWatcher_t& watcher) {
    addin_test::ProcessResult_t result =
        addin_test::Run("\"" + addin_test::LoadModuleExe() + "\" \"" + dll + "\"");
    watcher.WaitFor(1, result.exit_code == 0 ? 0 : 5000);
    return result;
}

TEST(LanguageModule, OfTheRightVersionLetsTheDllLoad) {
    addin_test::TempDir_t folder("language right");
    std::string dll = folder.Copy(addin_test::AddinDll(), "Trovix.dll");
    folder.Copy(addin_test::LanguageDll(), "Trovix_LANG.dll");
    BoxWatcher_t watcher;
    addin_test::ProcessResult_t result = LoadInChild(dll, watcher);
    EXPECT_EQ(result.exit_code, 0u) << result.output;
    EXPECT_TRUE(watcher.Boxes().empty());
}

TEST(LanguageModule, OfAnotherVersionIsRefusedAndTheDllDoesNotLoad) {
    addin_test::TempDir_t folder("language 2.2.1.1");
    std::string dll = folder.Copy(addin_test::AddinDll(), "Trovix.dll");
    folder.Copy(addin_test::WrongVersionLanguageDll(), "Trovix_LANG.dll");
    BoxWatcher_t watcher;
    addin_test::ProcessResult_t result = LoadInChild(dll, watcher);
    EXPECT_EQ(result.exit_code, 1u) << result.output;
    EXPECT_NE(result.output.find("LoadLibrary failed"), std::string::npos) << result.output;
    auto boxes = watcher.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, kLanguageMessage);
    EXPECT_EQ(boxes[0].caption, "Trovix");
}

TEST(LanguageModule, MissingIsRefusedAndTheDllDoesNotLoad) {
    addin_test::TempDir_t folder("language missing");
    std::string dll = folder.Copy(addin_test::AddinDll(), "Trovix.dll");
    BoxWatcher_t watcher;
    addin_test::ProcessResult_t result = LoadInChild(dll, watcher);
    EXPECT_EQ(result.exit_code, 1u) << result.output;
    auto boxes = watcher.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, kLanguageMessage);
}

// A string missing from the language module is no COM error: OnInitialize still ends with a warning box,
// *pbSuccess 0 and S_OK instead of letting the exception reach the host.
TEST(LanguageModule, MissingMenuTextGivesAWarningAndNoRegistration) {
    addin_test::TempDir_t folder("language bare");
    std::string dll = folder.Copy(addin_test::AddinDll(), "Trovix.dll");
    folder.Copy(addin_test::BareLanguageDll(), "Trovix_LANG.dll");
    BoxWatcher_t watcher;
    addin_test::ProcessResult_t host =
        addin_test::Run("\"" + addin_test::HostExe() + "\" --dll \"" + dll + "\"");
    EXPECT_EQ(host.exit_code, 0u) << host.output;
    EXPECT_NE(host.output.find("host: OnInitialize -> 0x00000000 success=0"), std::string::npos)
        << host.output;
    EXPECT_EQ(host.output.find("RegisterCommand"), std::string::npos) << host.output;
    auto boxes = watcher.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "Bare Trovix");  // string 105 of that module
    EXPECT_NE(boxes[0].text.find("Windows Error Code: "), std::string::npos) << boxes[0].text;
    EXPECT_NE(boxes[0].text.find("OrvenAddin, line 6"), std::string::npos) << boxes[0].text;
}

}  // namespace
