// LoadFile: opening, the version refusal, the choice of reader and the outcome reported.
#include "trove/TROVE_Load.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/SUPPORT_ExpectRaise.h"
#include "support/SUPPORT_Gps.h"
#include "support/SUPPORT_Readers.h"
#include "support/SUPPORT_TempFile.h"
#include "tbk/TBK_FileBuilder.h"
#include "tbk/TBK_Seeds.h"

namespace {

tbk::Waypoint_t Wp(const std::string& name, std::int32_t id_class = 0) {
    tbk::Waypoint_t w;
    w.key.name = name;
    w.key.id_class = id_class;
    return w;
}

trove::LoadResult_t Load(const std::string& bytes, trove::Database_t& db, trove::DocInfo_t& doc) {
    test::TempFile_t file(bytes);
    return trove::LoadFile(file.Path(), db, doc);
}

TEST(LoadFile, MissingFileIsNotOpened) {
    auto db = support::ImportDatabase();
    trove::DocInfo_t doc;
    const trove::LoadResult_t result = trove::LoadFile("no_such_file.tbk", db, doc);
    EXPECT_EQ(result.outcome, trove::LoadOutcome_t::NotOpened);
    EXPECT_EQ(result.format, trove::FileFormat_t::Unknown);
    EXPECT_EQ(doc.data_version, 105);
}

TEST(LoadFile, HighestVersionsLoadAndHigherOnesAreRefused) {
    struct Case {
        std::uint16_t format_version;
        int data_version;
        trove::LoadOutcome_t outcome;
    };
    for (const Case& c :
         {Case{100, 105, trove::LoadOutcome_t::Loaded}, Case{100, 106, trove::LoadOutcome_t::Newer},
          Case{101, 100, trove::LoadOutcome_t::Newer}}) {
        auto db = support::ImportDatabase();
        trove::DocInfo_t doc;
        tbk::FileBuilder_t file(c.data_version);
        file.Header({c.format_version, 4, "a", "b", "c"}).Waypoint(Wp("A"));
        const trove::LoadResult_t result = Load(file.Bytes(), db, doc);
        EXPECT_EQ(result.outcome, c.outcome);
        EXPECT_EQ(result.format, trove::FileFormat_t::Current);
        EXPECT_EQ(doc.data_version, c.data_version);
        EXPECT_EQ(doc.a_text_3, "c");
        EXPECT_EQ(db.waypoints.size(), c.outcome == trove::LoadOutcome_t::Loaded ? 1u : 0u);
    }
}

TEST(LoadFile, ClosesTheChangeSetAndReturnsTheRenameList) {
    auto db = support::ImportDatabase();
    std::vector<std::string> log;
    support::RecordingListener_t listener(log);
    db.broadcaster.Add(&listener);
    trove::DocInfo_t doc;
    tbk::FileBuilder_t file(103);
    file.Header().Waypoint(Wp("A")).Waypoint(Wp("a", 3)).Map({1, 1, "", "M", "", {}});
    const trove::LoadResult_t result = Load(file.Bytes(), db, doc);
    EXPECT_EQ(result.outcome, trove::LoadOutcome_t::Loaded);
    ASSERT_EQ(result.renamed.size(), 1u);
    EXPECT_EQ(result.renamed[0].first.name.text, "a");
    EXPECT_EQ(result.renamed[0].second.name.text, "001");
    // The current reader fills the tables silently; only the close of the set is heard.
    EXPECT_EQ(log, (std::vector<std::string>{"end 010001"}));
    EXPECT_TRUE(db.changed.none());
}

TEST(LoadFile, LegacyFilesGoToTheLegacyReaderFromTheStart) {
    auto db = support::ImportDatabase();
    trove::DocInfo_t doc;
    const trove::LoadResult_t result = Load(tbk::SampleFile(0, tbk::Framing::legacy).Bytes(), db, doc);
    EXPECT_EQ(result.outcome, trove::LoadOutcome_t::Loaded);
    EXPECT_EQ(result.format, trove::FileFormat_t::Legacy);
    EXPECT_EQ(doc.signature, 0u);
    EXPECT_EQ(doc.data_version, 0);
    EXPECT_EQ(db.waypoints.size(), 4u);
    EXPECT_TRUE(result.renamed.empty());

    auto db2 = support::ImportDatabase();
    const trove::LoadResult_t junk = Load("junk bytes", db2, doc);
    EXPECT_EQ(junk.outcome, trove::LoadOutcome_t::BadStructure);
    EXPECT_EQ(junk.format, trove::FileFormat_t::Legacy);
    EXPECT_EQ(junk.error->Line(), 550);
}

TEST(LoadFile, BadStructureKeepsWhatWasReadBefore) {
    auto db = support::ImportDatabase();
    trove::DocInfo_t doc;
    const trove::LoadResult_t shorter = Load("TbR", db, doc);
    EXPECT_EQ(shorter.outcome, trove::LoadOutcome_t::BadStructure);
    EXPECT_EQ(shorter.format, trove::FileFormat_t::Unknown);
    EXPECT_STREQ(shorter.error->File(), "TROVE_DocInfo");
    EXPECT_EQ(shorter.error->Line(), 43);

    tbk::FileBuilder_t header_only(105);
    EXPECT_EQ(Load(header_only.Header().Bytes(), db, doc).error->Line(), 297);

    tbk::FileBuilder_t file(105);
    file.Header().Waypoint(Wp("A")).Waypoint(Wp("B", 13));
    const trove::LoadResult_t bad = Load(file.Bytes(), db, doc);
    EXPECT_EQ(bad.outcome, trove::LoadOutcome_t::BadStructure);
    EXPECT_STREQ(bad.error->File(), "TROVE_Database");
    EXPECT_EQ(bad.error->Line(), 124);
    EXPECT_EQ(db.waypoints.size(), 1u);
}

TEST(LoadFile, OtherExceptionsPassThrough) {
    auto db = support::ImportDatabase();
    trove::DocInfo_t doc;
    tbk::Track_t track;
    track.name = "T";
    track.points.push_back({{}, -1, {}, 0});
    tbk::FileBuilder_t file(105);
    file.Header().Track(track);
    EXPECT_RAISES(base::OutOfRange_t, Load(file.Bytes(), db, doc), "BASE_Time", 167);
}

TEST(LoadFile, TheProgramsDocumentInformationByDefault) {
    const trove::DocInfo_t saved = trove::TheDocInfo();
    auto db = support::ImportDatabase();
    tbk::FileBuilder_t file(101);
    file.Header().Waypoint(Wp("A"));
    test::TempFile_t temp(file.Bytes());
    EXPECT_EQ(trove::LoadFile(temp.Path(), db).outcome, trove::LoadOutcome_t::Loaded);
    EXPECT_EQ(trove::TheDocInfo().data_version, 101);
    trove::TheDocInfo() = saved;
}

}  // namespace
