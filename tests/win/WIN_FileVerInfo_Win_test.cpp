#include <gtest/gtest.h>

#include "WIN_TestFiles.h"
#include "win/WIN_Exception.h"
#include "win/WIN_FileVerInfo.h"

namespace {

TEST(FileVerInfo, ReadsTheFourNumbersInOrder) {
    EXPECT_EQ(win::FileVerInfo_t(wintest::ProgramDirectory() + "Trovix_LANG.dll").FileVersion(),
              (win::FileVersion_t{2, 2, 1, 0}));
    EXPECT_EQ(win::FileVerInfo_t(wintest::ProgramDirectory() + "Trovix_LANG_2211.dll").FileVersion(),
              (win::FileVersion_t{2, 2, 1, 1}));
}

TEST(FileVerInfo, FileWithoutVersionInformationRaises) {
    // The test program carries no version resource.
    char self[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    try {
        win::FileVerInfo_t info(self);
        FAIL();
    } catch (const win::Error_t& e) {
        EXPECT_STREQ(e.File(), "WIN_FileVerInfo");
    }
    wintest::TempFile_t text;
    text.Write("not a module");
    EXPECT_THROW(win::FileVerInfo_t info(text.Path()), win::Error_t);
}

TEST(FileVerInfo, MissingFileRaises) {
    EXPECT_THROW(win::FileVerInfo_t info(wintest::ProgramDirectory() + "missing.dll"), win::Error_t);
}

}  // namespace
