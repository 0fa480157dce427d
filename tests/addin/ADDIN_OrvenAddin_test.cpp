// The add-in object against the stand-in host's objects, in the test program.
#include <comdef.h>
#include <gtest/gtest.h>

#include "ADDIN_TestSupport.h"
#include "tests/host/HOST_Application.h"

using addin::ComPtr_t;
using addin_test::Addin;

namespace {

class OrvenAddin : public ::testing::Test {
protected:
    void SetUp() override {
        addin = addin_test::CreateAddin();
        ASSERT_TRUE(addin);
        language = ::GetModuleHandleA("Trovix_LANG.dll");
        ASSERT_NE(language, nullptr);
    }
    void TearDown() override {
        addin.Reset();
        application.Get()->Commands().ReleaseCommands();
        EXPECT_EQ(Addin().can_unload_now(), S_OK);
    }

    IDispatch* Host() const { return static_cast<IDesktopApplication*>(application.Get()); }
    std::string Text(UINT id) const { return addin_test::LoadText(language, id); }

    std::shared_ptr<host::Recorder_t> recorder = std::make_shared<host::Recorder_t>();
    ComPtr_t<host::Application_t> application = host::Make<host::Application_t>(recorder);
    ComPtr_t<IDesktopAddin> addin;
    HMODULE language = nullptr;
};

TEST_F(OrvenAddin, OnInitializeRegistersTheCommandWithItsMenuEntry) {
    LONG success = -1;
    ASSERT_EQ(addin->OnInitialize(Host(), 4711, 0x0400, 0, &success), S_OK);
    EXPECT_EQ(success, 1);

    const std::string menu_text = Text(113) + "\t" + Text(114) + "\t" + Text(113);
    ASSERT_EQ(recorder->Calls().size(), 3u);
    EXPECT_EQ(recorder->Calls()[0].Line(), "GetCommandManager()");
    EXPECT_EQ(recorder->Calls()[1].Line(), "RegisterCommand(4711, \"OrvenImportCommand\", command)");
    EXPECT_EQ(recorder->Calls()[2].name, "AddMenuItem");

    const auto& items = application.Get()->Commands().MenuItems();
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].command_id, 1);
    EXPECT_EQ(items[0].module, static_cast<long>(reinterpret_cast<INT_PTR>(language)));
    EXPECT_EQ(items[0].resource, 201);
    EXPECT_TRUE(items[0].bitmap_found);
    EXPECT_EQ(items[0].text, menu_text);
    EXPECT_EQ(std::count(items[0].text.begin(), items[0].text.end(), '\t'), 2);
    EXPECT_EQ(items[0].flag, 1);
}

TEST_F(OrvenAddin, TheRegisteredCommandIsACommandObjectOnly) {
    LONG success = 0;
    ASSERT_EQ(addin->OnInitialize(Host(), 1, 0, 0, &success), S_OK);
    ASSERT_EQ(success, 1);
    IDesktopCommand* command = application.Get()->Commands().Command("OrvenImportCommand");
    ASSERT_NE(command, nullptr);
    auto dispatch = ComPtr_t<IDispatch>::Query(command);
    EXPECT_EQ(static_cast<void*>(dispatch.Get()), static_cast<void*>(command));
    EXPECT_FALSE(ComPtr_t<IDesktopAddin>::Query(command));
    UINT count = 0;
    EXPECT_EQ(dispatch->GetTypeInfoCount(&count), S_OK);
    EXPECT_EQ(count, 1u);
    addin_test::BoxWatcher_t watcher;  // cancels the command's file dialog
    EXPECT_EQ(application.Get()->Commands().Run("OrvenImportCommand"), S_OK);
}

TEST_F(OrvenAddin, RegisterCommandAnsweringSFalseAddsNoMenuEntry) {
    recorder->SetAnswer("RegisterCommand", S_FALSE);
    LONG success = 0;
    ASSERT_EQ(addin->OnInitialize(Host(), 1, 0, 0, &success), S_OK);
    EXPECT_EQ(success, 1);
    EXPECT_EQ(recorder->Named("RegisterCommand").size(), 1u);
    EXPECT_TRUE(recorder->Named("AddMenuItem").empty());
    EXPECT_EQ(application.Get()->Commands().CommandCount(), 0u);
    addin.Reset();
    EXPECT_EQ(Addin().can_unload_now(), S_OK);  // the unregistered command is gone
}

TEST_F(OrvenAddin, NullHostGivesTheEPointerWarning) {
    addin_test::BoxWatcher_t watcher;
    LONG success = -1;
    ASSERT_EQ(addin->OnInitialize(nullptr, 1, 0, 0, &success), S_OK);
    EXPECT_EQ(success, 0);
    ASSERT_TRUE(watcher.WaitFor(1));
    auto boxes = watcher.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, Text(105));
    // The system's text for E_POINTER, or the fallback where the system has none (as under wine).
    EXPECT_EQ(boxes[0].text, _com_error(E_POINTER).ErrorMessage());
    EXPECT_TRUE(recorder->Calls().empty());
}

TEST_F(OrvenAddin, HostWithoutApplicationInterfaceGivesTheEPointerWarning) {
    auto plain = host::Make<host::PlainDispatch_t>(recorder);
    addin_test::BoxWatcher_t watcher;
    LONG success = -1;
    ASSERT_EQ(addin->OnInitialize(plain.Get(), 1, 0, 0, &success), S_OK);
    EXPECT_EQ(success, 0);
    ASSERT_TRUE(watcher.WaitFor(1));
    EXPECT_EQ(watcher.Boxes()[0].text, _com_error(E_POINTER).ErrorMessage());
}

TEST_F(OrvenAddin, FailingHostCallGivesItsMessageAndDropsTheCommand) {
    recorder->SetAnswer("RegisterCommand", E_FAIL);
    addin_test::BoxWatcher_t watcher;
    LONG success = -1;
    ASSERT_EQ(addin->OnInitialize(Host(), 1, 0, 0, &success), S_OK);
    EXPECT_EQ(success, 0);
    ASSERT_TRUE(watcher.WaitFor(1));
    EXPECT_EQ(watcher.Boxes()[0].caption, Text(105));
    EXPECT_EQ(watcher.Boxes()[0].text, _com_error(E_FAIL).ErrorMessage());
    EXPECT_TRUE(recorder->Named("AddMenuItem").empty());
    addin.Reset();
    EXPECT_EQ(Addin().can_unload_now(), S_OK);
}

TEST_F(OrvenAddin, NullSuccessPointerIsNotWrittenTo) {
    EXPECT_EQ(addin->OnInitialize(Host(), 1, 0, 0, nullptr), S_OK);
    EXPECT_EQ(recorder->Named("AddMenuItem").size(), 1u);
}

TEST_F(OrvenAddin, FrameworkVersionIsTwo) {
    LONG version = 0;
    EXPECT_EQ(addin->GetFrameworkVersion(&version), S_OK);
    EXPECT_EQ(version, 2);
    EXPECT_EQ(addin->GetFrameworkVersion(nullptr), E_POINTER);
}

TEST_F(OrvenAddin, AboutAndPropertiesBoxesWorkBeforeAndAfterInitialization) {
    addin_test::BoxWatcher_t watcher;
    EXPECT_EQ(addin->ShowAboutBox(0), S_OK);
    EXPECT_EQ(addin->ShowProperties(0), S_OK);
    LONG success = 0;
    ASSERT_EQ(addin->OnInitialize(Host(), 1, 0, 0, &success), S_OK);
    EXPECT_EQ(addin->OnUninitialize(), S_OK);
    EXPECT_EQ(addin->ShowAboutBox(0), S_OK);
    ASSERT_TRUE(watcher.WaitFor(3));
    auto boxes = watcher.Boxes();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].caption, "Trovix");
    EXPECT_EQ(boxes[0].text, "Trovix Addin AboutBox");
    EXPECT_EQ(boxes[1].caption, "Trovix");
    EXPECT_EQ(boxes[1].text, "Trovix Addin Properties Dialog");
    EXPECT_EQ(boxes[2].text, "Trovix Addin AboutBox");
}

TEST_F(OrvenAddin, SecondInitializationRegistersAFurtherCommandUnderTheNewCookie) {
    LONG success = 0;
    ASSERT_EQ(addin->OnInitialize(Host(), 1, 0, 0, &success), S_OK);
    ASSERT_EQ(addin->OnInitialize(Host(), 2, 0, 0, &success), S_OK);
    auto registrations = recorder->Named("RegisterCommand");
    ASSERT_EQ(registrations.size(), 2u);
    EXPECT_EQ(registrations[1].args[0], "2");
    EXPECT_EQ(application.Get()->Commands().CommandCount(), 2u);
}

}  // namespace
