#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "win/WIN_Exception.h"

namespace {

std::string SystemMessage(DWORD code) {
    char message[256] = {};
    DWORD n = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                               1033, message, sizeof message, nullptr);
    return std::string(message, n);
}

TEST(Error, TakesTheLastErrorAndFormsTheText) {
    ::SetLastError(ERROR_FILE_NOT_FOUND);
    win::Error_t e("WIN_Somewhere", 42);
    EXPECT_EQ(e.Code(), 2u);
    EXPECT_STREQ(e.File(), "WIN_Somewhere");
    EXPECT_EQ(e.Line(), 42);
    ASSERT_FALSE(SystemMessage(2).empty());
    EXPECT_EQ(std::string(e.what()), "Windows Error Code: 2\n" + SystemMessage(2));
}

TEST(Error, CodeWithoutSystemMessageGivesThePrefixOnly) {
    // Bit 29 marks codes that belong to applications: the system has no text for them.
    win::Error_t e("WIN_Somewhere", 1, 0x20000001u);
    EXPECT_STREQ(e.what(), "Windows Error Code: 536870913\n");
}

TEST(Error, FileErrorsCarryTheCodeOfTheFailedCall) {
    ::SetLastError(ERROR_SHARING_VIOLATION);
    win::FileError_t file("WIN_File", 3);
    ::SetLastError(ERROR_FILE_INVALID);
    win::MappedFileError_t mapped("WIN_MappedFile", 4);
    EXPECT_EQ(file.Code(), 32u);
    EXPECT_EQ(mapped.Code(), 1006u);
    EXPECT_EQ(std::string(file.what()).rfind("Windows Error Code: 32\n", 0), 0u);
}

}  // namespace
