#include "trove/bin/BIN_Record.h"

#include <gtest/gtest.h>

#include "support/SUPPORT_Bytes.h"

namespace {

using test::Le16;
using test::Le32;
using test::OldRecord;
using test::Record;
using test::Text;

constexpr std::ios_base::iostate kEofFail = std::ios_base::eofbit | std::ios_base::failbit;

TEST(RecordFraming, CurrentRecordsBackToBack) {
    bin::stringstream file(Record('W', Text("Home") + Le32(42)) + Record('R', "xy"));
    bin::record_t w;
    bin::ExtractRecord(file, w);
    ASSERT_TRUE(file.good());
    EXPECT_EQ(w.type, 'W');
    EXPECT_TRUE(w.good());
    std::string name;
    std::int32_t n = 0;
    w.ReadText(name).Read(n);
    EXPECT_EQ(name, "Home");
    EXPECT_EQ(n, 42);
    EXPECT_TRUE(w.good());
    w.Read(n);  // past the payload: the record fails, the file does not
    EXPECT_EQ(w.rdstate(), kEofFail);

    bin::record_t r;
    bin::ExtractRecord(file, r);
    EXPECT_EQ(r.type, 'R');
    EXPECT_EQ(r.Bytes(), "xy");
    EXPECT_TRUE(file.good());

    bin::record_t end;
    bin::ExtractRecord(file, end);
    EXPECT_EQ(file.rdstate(), kEofFail);
}

TEST(RecordFraming, LegacyRecordsBackToBack) {
    bin::stringstream file(OldRecord('W', Text("A") + Le16(7)) + OldRecord('T', ""));
    bin::oldrecord_t w;
    bin::ExtractRecord(file, w);
    ASSERT_TRUE(file.good());
    EXPECT_EQ(w.type, 'W');
    std::string name;
    std::uint16_t v = 0;
    w.ReadText(name).Read(v);
    EXPECT_EQ(name, "A");
    EXPECT_EQ(v, 7);

    bin::oldrecord_t t;
    bin::ExtractRecord(file, t);
    EXPECT_TRUE(file.good());
    EXPECT_EQ(t.type, 'T');
    EXPECT_EQ(t.Size(), 0u);
}

TEST(RecordFraming, ZeroLengthRecordHasTypeAndNoFields) {
    bin::stringstream file(Record('D', ""));
    bin::record_t rec;
    bin::ExtractRecord(file, rec);
    EXPECT_TRUE(file.good());
    EXPECT_EQ(rec.type, 'D');
    std::uint8_t b = 0;
    rec.ReadByte(b);
    EXPECT_EQ(rec.rdstate(), kEofFail);
}

TEST(RecordFraming, FileEndingInsideLengthLeavesRecord) {
    bin::stringstream file(Le16(3));
    bin::record_t rec('Q');
    bin::ExtractRecord(file, rec);
    EXPECT_EQ(file.rdstate(), kEofFail);
    EXPECT_EQ(rec.type, 'Q');
    EXPECT_TRUE(rec.good());

    bin::stringstream old_file("W\x01");
    bin::oldrecord_t old('Q');
    bin::ExtractRecord(old_file, old);
    EXPECT_EQ(old_file.rdstate(), kEofFail);
    EXPECT_EQ(old.type, 'Q');
}

TEST(RecordFraming, FileEndingBeforeTypeFails) {
    bin::stringstream file(Le32(0));
    bin::record_t rec('Q');
    bin::ExtractRecord(file, rec);
    EXPECT_EQ(file.rdstate(), kEofFail);
    EXPECT_EQ(rec.type, 'Q');

    bin::stringstream empty;
    bin::oldrecord_t old('Q');
    bin::ExtractRecord(empty, old);
    EXPECT_EQ(empty.rdstate(), kEofFail);
    EXPECT_EQ(old.type, 'Q');
}

TEST(RecordFraming, DeclaredLengthBeyondEndFailsFile) {
    bin::stringstream file(Le32(10) + "W" + "abc");
    bin::record_t rec;
    bin::ExtractRecord(file, rec);
    EXPECT_EQ(file.rdstate(), kEofFail);
    EXPECT_EQ(rec.type, 'W');

    bin::stringstream old_file("W" + Le16(10) + "abc");
    bin::oldrecord_t old;
    bin::ExtractRecord(old_file, old);
    EXPECT_EQ(old_file.rdstate(), kEofFail);
}

TEST(RecordFraming, HugeDeclaredLengthFailsWithoutHugeMemory) {
    // 4 GiB claimed, 100 bytes present: only what is there may be held.
    bin::stringstream file(Le32(0xFFFFFFFFu) + "W" + std::string(100, 'x'));
    bin::record_t rec;
    bin::ExtractRecord(file, rec);
    EXPECT_EQ(file.rdstate(), kEofFail);
    EXPECT_EQ(rec.Size(), 100u);
}

TEST(RecordFraming, FailedFileExtractsNothing) {
    bin::stringstream file(Record('W', "abc"));
    file.setstate(std::ios_base::failbit);
    bin::record_t rec('Q');
    bin::ExtractRecord(file, rec);
    EXPECT_EQ(rec.type, 'Q');
    EXPECT_EQ(rec.Size(), 0u);
}

TEST(RecordFields, TextAtEndWithoutTerminatorFailsRecord) {
    bin::stringstream file(Record('A', Le16(1) + "abc"));
    bin::record_t rec;
    bin::ExtractRecord(file, rec);
    std::uint16_t n = 0;
    std::string t;
    rec.Read(n).ReadText(t);
    EXPECT_EQ(t, "abc");
    EXPECT_EQ(rec.rdstate(), kEofFail);
    EXPECT_TRUE(file.good());
}

TEST(RecordFields, RecordIsAlsoBuiltFromBytes) {
    bin::record_t rec('W');
    rec.WriteText("Pt").Write(std::int32_t(-5));
    std::string t;
    std::int32_t v = 0;
    rec.ReadText(t).Read(v);
    EXPECT_EQ(t, "Pt");
    EXPECT_EQ(v, -5);
}

}  // namespace
