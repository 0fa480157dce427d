#include "trove/TROVE_DocInfo.h"

#include <gtest/gtest.h>

#include "support/SUPPORT_Bytes.h"
#include "support/SUPPORT_TempFile.h"
#include "trove/TROVE_Exception.h"
#include "trove/bin/BIN_IFStream.h"
#include "trove/bin/BIN_StringStream.h"

namespace {

using test::Le16;
using test::Record;
using test::Text;

const std::string kStart = std::string("TbRcd\0", 6);

std::string Header(std::uint16_t data_version, const std::string& a_payload) {
    return kStart + Record('D', Le16(data_version)) + Record('A', a_payload);
}

// Runs a header read that must fail and returns the failing line.
int FailLine(const std::string& bytes, trove::DocInfo_t& info) {
    bin::stringstream file(bytes);
    try {
        info.ReadHeader(file);
    } catch (const trove::BadStream_t& e) {
        EXPECT_STREQ(e.File(), "TROVE_DocInfo");
        EXPECT_STREQ(e.what(), "");
        return e.Line();
    }
    return 0;
}
int FailLine(const std::string& bytes) {
    trove::DocInfo_t info;
    return FailLine(bytes, info);
}

TEST(DocInfo, DefaultsAreTheHighestReadableVersions) {
    trove::DocInfo_t info(7);
    EXPECT_EQ(info.signature, trove::kDocSignature);
    EXPECT_EQ(info.format_version, 100);
    EXPECT_EQ(info.data_version, 105);
    EXPECT_EQ(info.a_number, 7);
    EXPECT_EQ(info.a_text_1 + info.a_text_2 + info.a_text_3, "");
    EXPECT_EQ(&trove::TheDocInfo(), &trove::TheDocInfo());
    // The signature constant is the file's first four bytes read as one little-endian value.
    bin::stringstream sig("TbRc");
    std::uint32_t v = 0;
    sig.Read(v);
    EXPECT_EQ(v, trove::kDocSignature);
}

TEST(DocInfo, SmallestCompleteHeaderIs23Bytes) {
    const std::string bytes = Header(103, Le16(0x1234) + Text("") + Text("") + Text("")) + "rest";
    ASSERT_EQ(bytes.size(), 23u + 4);
    bin::stringstream file(bytes);
    trove::DocInfo_t info;
    info.a_text_2 = "old";
    info.ReadHeader(file);
    EXPECT_TRUE(file.good());
    EXPECT_EQ(info.signature, trove::kDocSignature);
    EXPECT_EQ(info.format_version, 100);
    EXPECT_EQ(info.data_version, 103);
    EXPECT_EQ(info.a_number, 0x1234);
    EXPECT_EQ(info.a_text_2, "");
    char rest[4];
    file.ReadRaw(rest, 4);  // the stream stands at the first data record
    EXPECT_EQ(std::string(rest, 4), "rest");
}

TEST(DocInfo, TextsAndExtraPayloadBytes) {
    bin::stringstream file(kStart + Record('D', Le16(101) + "extra") +
                           Record('A', Le16(3) + Text("one") + Text("two") + Text("three") + "tail"));
    trove::DocInfo_t info;
    info.ReadHeader(file);
    EXPECT_EQ(info.data_version, 101);
    EXPECT_EQ(info.a_text_1, "one");
    EXPECT_EQ(info.a_text_2, "two");
    EXPECT_EQ(info.a_text_3, "three");
}

TEST(DocInfo, HigherVersionsAreReadNotRefused) {
    bin::stringstream file(std::string("TbRc") + Le16(101) + Record('D', Le16(106)) +
                           Record('A', Le16(0) + Text("") + Text("") + Text("")));
    trove::DocInfo_t info;
    EXPECT_NO_THROW(info.ReadHeader(file));
    EXPECT_EQ(info.format_version, 101);
    EXPECT_EQ(info.data_version, 106);
}

TEST(DocInfo, ForeignSignatureZeroesNumbersAndKeepsTexts) {
    bin::stringstream file(std::string(1, 'W') + Le16(30) + "Hello");
    trove::DocInfo_t info(5);
    info.a_text_1 = "kept";
    info.ReadHeader(file);
    EXPECT_TRUE(file.good());
    EXPECT_EQ(info.signature, 0u);
    EXPECT_EQ(info.format_version, 0);
    EXPECT_EQ(info.data_version, 0);
    EXPECT_EQ(info.a_number, 0);
    EXPECT_EQ(info.a_text_1, "kept");
    EXPECT_EQ(file.tellg(), std::streampos(4));
}

TEST(DocInfo, ForeignFileRewindsForTheLegacyReader) {
    test::TempFile_t tmp(std::string("W\x05\0hello", 8));
    bin::ifstream file(tmp.Path());
    trove::DocInfo_t info;
    info.ReadHeader(file);
    EXPECT_EQ(info.signature, 0u);
    file.clear();
    file.seekg(0);
    std::uint8_t first = 0;
    file.ReadByte(first);
    EXPECT_EQ(first, 'W');
}

TEST(DocInfo, EveryFailureLine) {
    const std::string a_ok = Le16(0) + Text("") + Text("") + Text("");
    {
        bin::stringstream failed(Header(105, a_ok));
        failed.setstate(std::ios_base::failbit);
        trove::DocInfo_t info;
        try {
            info.ReadHeader(failed);
            FAIL();
        } catch (const trove::BadStream_t& e) {
            EXPECT_EQ(e.Line(), 37);
        }
    }
    EXPECT_EQ(FailLine(""), 43);
    EXPECT_EQ(FailLine("TbR"), 43);
    EXPECT_EQ(FailLine("TbRc"), 52);
    EXPECT_EQ(FailLine("TbRcd"), 52);
    EXPECT_EQ(FailLine(kStart), 61);
    EXPECT_EQ(FailLine(kStart + Record('A', a_ok) + Record('D', Le16(100))), 61);  // out of order
    EXPECT_EQ(FailLine(kStart + Record('D', Le16(100)).substr(0, 6)), 61);         // payload cut short
    EXPECT_EQ(FailLine(kStart + Record('D', "\x64")), 67);
    EXPECT_EQ(FailLine(kStart + Record('D', "")), 67);
    EXPECT_EQ(FailLine(kStart + Record('D', Le16(100))), 74);
    EXPECT_EQ(FailLine(kStart + Record('D', Le16(100)) + Record('D', a_ok)), 74);
    EXPECT_EQ(FailLine(kStart + Record('D', Le16(100)) + Record('A', a_ok).substr(0, 9)), 74);
    EXPECT_EQ(FailLine(Header(100, Le16(0) + Text("") + Text("") + "abc")), 80);
    EXPECT_EQ(FailLine(Header(100, "\x01")), 80);
}

TEST(DocInfo, FailedReadKeepsFieldsReadBeforeIt) {
    trove::DocInfo_t info;
    EXPECT_EQ(FailLine(std::string("TbRc") + Le16(99) + Record('D', Le16(104)), info), 74);
    EXPECT_EQ(info.format_version, 99);
    EXPECT_EQ(info.data_version, 104);
    EXPECT_EQ(info.a_number, 0);
}

}  // namespace
