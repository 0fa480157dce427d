// The language module as built: a resource-only DLL with the error dialog and the menu entry.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

#include "WIN_TestFiles.h"
#include "lang/LANG_Resources.h"
#include "win/WIN_FileText.h"

namespace {

std::string ModulePath() {
    return wintest::ProgramDirectory() + "Trovix_LANG.dll";
}

HINSTANCE Module() {
    static HINSTANCE module = ::LoadLibraryA(ModulePath().c_str());
    return module;
}

template <typename T>
T At(const std::string& image, std::size_t offset) {
    EXPECT_LE(offset + sizeof(T), image.size());
    T value;
    std::memcpy(&value, image.data() + offset, sizeof value);
    return value;
}

// The file offset of a relative virtual address, through the section table.
std::size_t FileOffset(const std::string& image, std::size_t nt, DWORD rva) {
    const auto headers = At<IMAGE_NT_HEADERS>(image, nt);
    std::size_t table =
        nt + offsetof(IMAGE_NT_HEADERS, OptionalHeader) + headers.FileHeader.SizeOfOptionalHeader;
    for (WORD i = 0; i < headers.FileHeader.NumberOfSections; ++i) {
        const auto section = At<IMAGE_SECTION_HEADER>(image, table + i * sizeof(IMAGE_SECTION_HEADER));
        if (rva >= section.VirtualAddress && rva < section.VirtualAddress + section.Misc.VirtualSize) {
            return rva - section.VirtualAddress + section.PointerToRawData;
        }
    }
    ADD_FAILURE() << "no section holds " << rva;
    return 0;
}

TEST(LanguageModuleFile, HasNoImportsAndNoEntryPoint) {
    const std::string image = win::ReadFileText(ModulePath());
    ASSERT_EQ(image.compare(0, 2, "MZ"), 0);
    const std::size_t nt = At<LONG>(image, offsetof(IMAGE_DOS_HEADER, e_lfanew));
    const auto headers = At<IMAGE_NT_HEADERS>(image, nt);
    ASSERT_EQ(headers.Signature, static_cast<DWORD>(IMAGE_NT_SIGNATURE));
    #ifdef _WIN64
    EXPECT_EQ(headers.FileHeader.Machine, IMAGE_FILE_MACHINE_AMD64);
#else
    EXPECT_EQ(headers.FileHeader.Machine, IMAGE_FILE_MACHINE_I386);
#endif
    EXPECT_NE(headers.FileHeader.Characteristics & IMAGE_FILE_DLL, 0);
    EXPECT_EQ(headers.OptionalHeader.AddressOfEntryPoint, 0u);
    EXPECT_NE(headers.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_RESOURCE].Size, 0u);
    // The linker may leave an import directory holding only its closing entry: no module named.
    const IMAGE_DATA_DIRECTORY imports = headers.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (imports.Size != 0) {
        const auto first = At<IMAGE_IMPORT_DESCRIPTOR>(image, FileOffset(image, nt, imports.VirtualAddress));
        EXPECT_EQ(first.Name, 0u);
        EXPECT_EQ(first.FirstThunk, 0u);
    }
}

INT_PTR CALLBACK IgnoreMessages(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

TEST(LanguageModuleFile, ErrorDialogHasItsControls) {
    ASSERT_NE(Module(), nullptr);
    HWND dialog =
        ::CreateDialogParamA(Module(), MAKEINTRESOURCEA(LANG_IDD_ERROR_DIALOG), nullptr, IgnoreMessages, 0);
    ASSERT_NE(dialog, nullptr);
    char name[32] = {};
    HWND copy = ::GetDlgItem(dialog, LANG_IDC_COPY_LOG);
    ASSERT_NE(copy, nullptr);
    ::GetClassNameA(copy, name, sizeof name);
    EXPECT_STRCASEEQ(name, "Button");
    HWND report = ::GetDlgItem(dialog, LANG_IDC_REPORT);
    ASSERT_NE(report, nullptr);
    ::GetClassNameA(report, name, sizeof name);
    EXPECT_STRCASEEQ(name, "Edit");
    EXPECT_NE(::GetWindowLongA(report, GWL_STYLE) & ES_MULTILINE, 0);
    EXPECT_NE(::GetWindowLongA(report, GWL_STYLE) & ES_READONLY, 0);
    HWND introduction = ::GetDlgItem(dialog, LANG_IDC_INTRODUCTION);
    ASSERT_NE(introduction, nullptr);
    ::GetClassNameA(introduction, name, sizeof name);
    EXPECT_STRCASEEQ(name, "Static");
    EXPECT_NE(::GetDlgItem(dialog, IDOK), nullptr);
    ::DestroyWindow(dialog);
}

TEST(LanguageModuleFile, MenuEntryIsABitmapAndAString) {
    ASSERT_NE(Module(), nullptr);
    HBITMAP bitmap = ::LoadBitmapA(Module(), MAKEINTRESOURCEA(LANG_ID_MENU_ENTRY));
    ASSERT_NE(bitmap, nullptr);
    BITMAP info = {};
    ::GetObjectA(bitmap, sizeof info, &info);
    EXPECT_EQ(info.bmWidth, 16);
    EXPECT_EQ(info.bmHeight, 16);
    ::DeleteObject(bitmap);
    char text[256] = {};
    EXPECT_GT(::LoadStringA(Module(), LANG_ID_MENU_ENTRY, text, sizeof text), 0);
}

}  // namespace
