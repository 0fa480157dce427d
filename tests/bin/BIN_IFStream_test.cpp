#include "trove/bin/BIN_IFStream.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/SUPPORT_Bytes.h"
#include "support/SUPPORT_TempFile.h"
#include "trove/bin/BIN_Record.h"

namespace {

using test::Le32;
using test::Record;

TEST(IFStream, MissingFileStartsFailed) {
    bin::ifstream file("no_such_directory/no_such_file.tbk");
    EXPECT_TRUE(file.fail());
    EXPECT_FALSE(file.is_open());
    std::uint32_t v = 3;
    file.Read(v);
    EXPECT_EQ(v, 3u);
}

TEST(IFStream, ReadsRewindsAndReadsAgain) {
    test::TempFile_t tmp("ABCD" + Record('W', "payload"));
    bin::ifstream file(tmp.Path());
    ASSERT_TRUE(file.good());
    std::uint32_t sig = 0;
    file.Read(sig);
    EXPECT_EQ(sig, 0x44434241u);
    file.clear();
    file.seekg(0);
    char again[4] = {};
    file.ReadRaw(again, 4);
    EXPECT_EQ(std::string(again, 4), "ABCD");
    bin::record_t rec;
    bin::ExtractRecord(file, rec);
    EXPECT_TRUE(file.good());
    EXPECT_EQ(rec.Bytes(), "payload");
    std::uint8_t b = 0;
    file.ReadByte(b);
    EXPECT_TRUE(file.eof() && file.fail());

    // Rewinding after the end of data works once the caller clears.
    file.clear();
    file.seekg(0);
    file.ReadByte(b);
    EXPECT_EQ(b, 'A');
}

TEST(IFStream, RecordsLargerThanTheBuffersArriveWhole) {
    std::string big(1000003, '\0');
    for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>((i * 131) >> 3);
    test::TempFile_t tmp(Record('T', big) + Record('E', "end"));
    bin::ifstream file(tmp.Path());
    bin::record_t t, e;
    bin::ExtractRecord(file, t);
    bin::ExtractRecord(file, e);
    EXPECT_TRUE(file.good());
    EXPECT_EQ(t.type, 'T');
    EXPECT_TRUE(t.Bytes() == big);
    EXPECT_EQ(e.Bytes(), "end");
}

TEST(IFStream, SmallRecordsArriveWholeWhereverTheReadAheadEnds) {
    // Records of 1 to 97 bytes over more than one read-ahead: some straddle its end. One record
    // object serves them all, emptied before each, as the file's reader does.
    std::string bytes;
    std::vector<std::string> payloads;
    for (std::size_t i = 0; bytes.size() < 700000; ++i) {
        payloads.push_back(std::string(1 + i % 97, static_cast<char>('a' + i % 26)));
        bytes += Record(static_cast<char>('A' + i % 26), payloads.back());
    }
    test::TempFile_t tmp(bytes);
    bin::ifstream file(tmp.Path());
    bin::record_t rec;
    for (std::size_t i = 0; i < payloads.size(); ++i) {
        rec.rdbuf()->Clear();
        bin::ExtractRecord(file, rec);
        ASSERT_TRUE(file.good()) << i;
        ASSERT_EQ(rec.type, 'A' + i % 26) << i;
        ASSERT_EQ(rec.Bytes(), payloads[i]) << i;
    }
    bin::ExtractRecord(file, rec);
    EXPECT_TRUE(file.eof() && file.fail());
}

TEST(IFStream, HugeDeclaredLengthInSmallFileFailsFast) {
    test::TempFile_t tmp(Le32(0xFFFFFFFFu) + "W" + std::string(95, 'x'));
    bin::ifstream file(tmp.Path());
    bin::record_t rec;
    bin::ExtractRecord(file, rec);
    EXPECT_TRUE(file.eof() && file.fail());
    EXPECT_EQ(rec.Size(), 95u);
}

}  // namespace
