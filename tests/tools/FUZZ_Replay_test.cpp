// Every seed of the fuzzing corpus and every finding kept in fuzz/regressions loads to its end or
// ends in one of the system's own exceptions: no crash, no sanitizer report, no foreign exception.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "base/BASE_Exception.h"
#include "support/SUPPORT_CodePageScope.h"
#include "trove/TROVE_Database.h"
#include "trove/TROVE_Load.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> paths;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        if (entry.is_regular_file() && entry.path().extension() != ".md")
            paths.push_back(entry.path().string());
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}

void Replay(const std::string& path) {
    SCOPED_TRACE(path);
    trove::Database_t db{trove::Name_t(), 3};
    trove::LoadNotes_t notes;
    try {
        trove::LoadFile(path, db, trove::TheDocInfo(), &notes);
        for (const trove::LoadNote_t& note : notes) trove::DescribeNote(note);
    } catch (const base::Exception_t&) {
        // A clear error: fine.
    } catch (const std::exception& e) {
        ADD_FAILURE() << "foreign exception: " << e.what();
    }
}

TEST(FuzzReplay, SeedCorpusLoads) {
    const std::vector<std::string> seeds = FilesIn(TROVIX_TEST_FUZZ_DIR "/corpus");
    EXPECT_GE(seeds.size(), 10u);
    for (const std::string& path : seeds) {
        SCOPED_TRACE(path);
        trove::Database_t db{trove::Name_t(), 3};
        EXPECT_EQ(trove::LoadFile(path, db).outcome, trove::LoadOutcome_t::Loaded);
    }
}

TEST(FuzzReplay, RegressionsEndInTheSystemsOwnExceptions) {
    const std::vector<std::string> inputs = FilesIn(TROVIX_TEST_FUZZ_DIR "/regressions");
    ASSERT_FALSE(inputs.empty()) << "nothing to replay";
    for (unsigned code_page : {1252u, 932u}) {
        SCOPED_TRACE(code_page);
        support::CodePageScope_t scope(code_page);
        for (const std::string& path : inputs) Replay(path);
    }
}

}  // namespace
