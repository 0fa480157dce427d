#include <gtest/gtest.h>

#include <cstring>

#include "WIN_TestFiles.h"
#include "base/BASE_Exception.h"
#include "win/WIN_Exception.h"
#include "win/WIN_File.h"
#include "win/WIN_FileText.h"
#include "win/WIN_MappedFile.h"
#include "win/WIN_MappedFileView.h"

namespace {

const DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE;

void OpenForReading(win::File_t& file, const std::string& path, DWORD share = kShareAll) {
    file.Open(path, GENERIC_READ, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, share);
}

// True when nobody holds the file: only then can it be opened without any sharing.
bool IsFree(const std::string& path) {
    HANDLE h = ::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    ::CloseHandle(h);
    return true;
}

TEST(File, MissingFileRaisesFileErrorWithCodeTwo) {
    win::File_t file;
    try {
        OpenForReading(file, wintest::ProgramDirectory() + "no such file.tbk");
        FAIL();
    } catch (const win::FileError_t& e) {
        EXPECT_EQ(e.Code(), 2u);
        EXPECT_EQ(std::strncmp(e.what(), "Windows Error Code: 2\n", 22), 0);
        EXPECT_STREQ(e.File(), "WIN_File");
    }
    EXPECT_FALSE(file.IsOpen());
}

TEST(File, FileHeldExclusivelyGivesSharingViolation) {
    wintest::TempFile_t temp;
    win::File_t holder;
    holder.Open(temp.Path(), GENERIC_READ | GENERIC_WRITE, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, 0);
    win::File_t second;
    try {
        OpenForReading(second, temp.Path());
        FAIL();
    } catch (const win::FileError_t& e) {
        EXPECT_EQ(e.Code(), 32u);
    }
}

TEST(File, FlushNeedsWriteAccess) {
    wintest::TempFile_t temp;
    win::File_t reader;
    OpenForReading(reader, temp.Path());
    try {
        reader.Flush();
        FAIL();
    } catch (const base::Assert_t& e) {
        EXPECT_STREQ(e.File(), "WIN_File");
    }
    win::File_t writer;
    writer.Open(temp.Path(), GENERIC_WRITE, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, kShareAll);
    EXPECT_NO_THROW(writer.Flush());
}

TEST(File, SizeCloseAndDestructorReleaseTheHandle) {
    wintest::TempFile_t temp;
    temp.Write("12345");
    {
        win::File_t file;
        OpenForReading(file, temp.Path());
        EXPECT_EQ(file.Size(), 5u);
        EXPECT_FALSE(IsFree(temp.Path()));
        file.Close();
        EXPECT_FALSE(file.IsOpen());
        EXPECT_TRUE(IsFree(temp.Path()));
        file.Close();  // closing twice is harmless
        OpenForReading(file, temp.Path());
    }
    EXPECT_TRUE(IsFree(temp.Path()));
}

TEST(File, OpeningAgainReleasesTheFirstFile) {
    wintest::TempFile_t first;
    wintest::TempFile_t second;
    win::File_t file;
    OpenForReading(file, first.Path());
    OpenForReading(file, second.Path());
    EXPECT_TRUE(IsFree(first.Path()));
    EXPECT_FALSE(IsFree(second.Path()));
}

TEST(File, FailedOpenKeepsTheFileOpenBefore) {
    wintest::TempFile_t temp;
    win::File_t file;
    OpenForReading(file, temp.Path());
    EXPECT_THROW(OpenForReading(file, temp.Path() + ".missing"), win::FileError_t);
    EXPECT_TRUE(file.IsOpen());
    EXPECT_EQ(file.Size(), 0u);
}

TEST(MappedFile, EmptyFileCannotBeMapped) {
    wintest::TempFile_t temp;
    win::File_t file;
    OpenForReading(file, temp.Path());
    win::MappedFile_t mapping;
    try {
        mapping.Create(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
        FAIL();
    } catch (const win::MappedFileError_t& e) {
        EXPECT_STREQ(e.File(), "WIN_MappedFile");
        EXPECT_NE(e.Code(), 0u);
    }
    EXPECT_FALSE(mapping.IsOpen());
}

TEST(MappedFileView, MappingTwiceRaisesAssertAndKeepsTheFirstView) {
    wintest::TempFile_t temp;
    temp.Write("abc");
    win::File_t file;
    OpenForReading(file, temp.Path());
    win::MappedFile_t mapping;
    mapping.Create(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
    win::MappedFileView_t view;
    view.Map(mapping, FILE_MAP_READ, 0, 0, 0);
    const void* first = view.Base();
    try {
        view.Map(mapping, FILE_MAP_READ, 0, 0, 0);
        FAIL();
    } catch (const base::Assert_t& e) {
        EXPECT_STREQ(e.File(), "WIN_MappedFileView");
    }
    EXPECT_EQ(view.Base(), first);
    EXPECT_EQ(std::memcmp(view.Base(), "abc", 3), 0);
    view.Unmap();
    EXPECT_EQ(view.Base(), nullptr);
    view.Unmap();  // nothing mapped: nothing to do
    view.Map(mapping, FILE_MAP_READ, 0, 0, 0);
    EXPECT_NE(view.Base(), nullptr);
}

TEST(MappedFileView, RefusedViewRaisesError) {
    win::MappedFile_t nothing;
    win::MappedFileView_t view;
    EXPECT_THROW(view.Map(nothing, FILE_MAP_READ, 0, 0, 0), win::Error_t);
    EXPECT_EQ(view.Base(), nullptr);
}

TEST(ReadFileText, ReturnsEveryByteAndReleasesTheFile) {
    wintest::TempFile_t temp;
    const std::string bytes("line one\r\nline\0two\n", 19);
    temp.Write(bytes);
    EXPECT_EQ(win::ReadFileText(temp.Path()), bytes);
    EXPECT_TRUE(IsFree(temp.Path()));
}

TEST(ReadFileText, ReadsAFileAnotherWriterHoldsOpen) {
    wintest::TempFile_t temp;
    temp.Write("log entry\n");
    win::File_t writer;
    writer.Open(temp.Path(), GENERIC_WRITE, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, kShareAll);
    EXPECT_EQ(win::ReadFileText(temp.Path()), "log entry\n");
}

TEST(ReadFileText, MissingAndEmptyFilesFail) {
    wintest::TempFile_t temp;
    try {
        win::ReadFileText(temp.Path() + ".missing");
        FAIL();
    } catch (const win::FileError_t& e) {
        EXPECT_EQ(e.Code(), 2u);
    }
    EXPECT_THROW(win::ReadFileText(temp.Path()), win::MappedFileError_t);
    EXPECT_TRUE(IsFree(temp.Path()));
}

}  // namespace
