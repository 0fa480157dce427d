#include <gtest/gtest.h>

#include "WIN_TestFiles.h"
#include "base/BASE_Exception.h"
#include "win/WIN_Exception.h"
#include "win/WIN_ResourceHandle.h"

namespace {

const std::string& Here() {
    static const std::string here = wintest::ProgramDirectory();
    return here;
}

// line -1: any line of that file.
void ExpectRaisedAt(const std::string& path, const char* file, int line = -1) {
    try {
        win::LoadLanguageModule(path);
        ADD_FAILURE() << path << " was accepted";
    } catch (const win::Error_t& e) {
        EXPECT_STREQ(e.File(), file) << path;
        if (line != -1) {
            EXPECT_EQ(e.Line(), line) << path;
        }
    }
}

TEST(LanguageModule, AnotherVersionIsRefused) {
    ExpectRaisedAt(Here() + "Trovix_LANG_2211.dll", "ResourceHandle", 68);
    EXPECT_EQ(::GetModuleHandleA("Trovix_LANG_2211.dll"), nullptr);
}

TEST(LanguageModule, TheRightVersionIsLoaded) {
    HINSTANCE module = win::LoadLanguageModule(Here() + "Trovix_LANG.dll");
    EXPECT_NE(module, nullptr);
    EXPECT_EQ(module, ::GetModuleHandleA((Here() + "Trovix_LANG.dll").c_str()));
}

TEST(LanguageModule, ModuleThatCannotBeLoadedIsRefused) {
    ExpectRaisedAt(Here() + "Trovix_LANG_NoInit.dll", "ResourceHandle", 75);
}

TEST(LanguageModule, MissingModuleOrOneWithoutVersionRaisesFromTheVersionReader) {
    ExpectRaisedAt(Here() + "missing.dll", "WIN_FileVerInfo");
    char self[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    ExpectRaisedAt(self, "WIN_FileVerInfo");
}

TEST(LanguageModule, PathBesideAModule) {
    EXPECT_EQ(win::LanguageModulePathBeside("C:\\Program Files\\Palm\\Add-on\\Trovix.dll"),
              "C:\\Program Files\\Palm\\Add-on\\Trovix_LANG.dll");
    EXPECT_EQ(win::LanguageModulePathBeside("\\\\server\\share\\Trovix.dll"),
              "\\\\server\\share\\Trovix_LANG.dll");
    EXPECT_EQ(win::LanguageModulePathBeside("C:/tools/host.exe"), "C:/tools/Trovix_LANG.dll");
    EXPECT_EQ(win::LanguageModulePathBeside("C:host.exe"), "C:Trovix_LANG.dll");
    EXPECT_EQ(win::LanguageModulePathBeside("host.exe"), "Trovix_LANG.dll");
}

TEST(LanguageModule, WithoutTrovixDllTheExecutablesDirectoryIsUsed) {
    ASSERT_EQ(::GetModuleHandleA("Trovix.dll"), nullptr);
    EXPECT_EQ(win::LanguageModulePath(), Here() + "Trovix_LANG.dll");
}

TEST(LanguageModule, TheDirectoryOfTheLoadedTrovixDllComesFirst) {
    // Any loadable module under the name Trovix.dll will do.
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    std::string directory = std::string(temp) + "trovix-path-test\\";
    ::CreateDirectoryA(directory.c_str(), nullptr);
    std::string dll = directory + "Trovix.dll";
    ASSERT_TRUE(::CopyFileA((Here() + "Trovix_LANG.dll").c_str(), dll.c_str(), FALSE));
    HMODULE module = ::LoadLibraryA(dll.c_str());
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(win::FindLanguageModulePath(), directory + "Trovix_LANG.dll");
    ::FreeLibrary(module);
    ::DeleteFileA(dll.c_str());
    ::RemoveDirectoryA(directory.c_str());
    EXPECT_EQ(win::FindLanguageModulePath(), Here() + "Trovix_LANG.dll");
}

TEST(LanguageModule, HandleIsCachedAndCanBePointedElsewhere) {
    HINSTANCE first = win::LanguageModule();
    EXPECT_EQ(first, ::GetModuleHandleA((Here() + "Trovix_LANG.dll").c_str()));
    EXPECT_EQ(win::LanguageModule(), first);
    HINSTANCE test = win::UseLanguageModule(Here() + "Trovix_LANG_Test.dll");
    EXPECT_NE(test, first);
    EXPECT_EQ(win::LanguageModule(), test);
    EXPECT_THROW(win::UseLanguageModule(Here() + "Trovix_LANG_2211.dll"), win::Error_t);
    EXPECT_EQ(win::LanguageModule(), test);
    win::UseLanguageModule(Here() + "Trovix_LANG.dll");
}

}  // namespace
