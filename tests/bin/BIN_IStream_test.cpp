#include "trove/bin/BIN_IStream.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

#include "support/SUPPORT_Bytes.h"
#include "trove/bin/BIN_StringStream.h"

namespace {

using test::Le16;
using test::Le32;
using test::Real;
using test::Text;

constexpr std::ios_base::iostate kEofFail = std::ios_base::eofbit | std::ios_base::failbit;

std::string Pos(std::int32_t lat, std::int32_t lon, bool has_alt = false, double alt = 0.0) {
    return Le32(static_cast<std::uint32_t>(lat)) + Le32(static_cast<std::uint32_t>(lon)) +
           std::string(1, has_alt ? '\1' : '\0') + Real(alt);
}

TEST(IStreamPrimitives, LittleEndianValuesOfEveryWidth) {
    bin::stringstream s(std::string("\x81") + Le16(0xFFFE) + Le32(0x80000001u) +
                        test::Le64(0x0102030405060708ull) + Real(-2.5) + "\xF0");
    std::int8_t i8 = 0;
    std::int16_t i16 = 0;
    std::int32_t i32 = 0;
    std::uint64_t u64 = 0;
    double d = 0;
    std::uint8_t byte = 0;
    s.Read(i8).Read(i16).Read(i32).Read(u64).Read(d).ReadByte(byte);
    ASSERT_TRUE(s.good());
    EXPECT_EQ(i8, -127);
    EXPECT_EQ(i16, -2);
    EXPECT_EQ(i32, INT32_MIN + 1);
    EXPECT_EQ(u64, 0x0102030405060708ull);
    EXPECT_EQ(d, -2.5);
    EXPECT_EQ(byte, 0xF0);
}

TEST(IStreamPrimitives, ShortReadSetsEofAndFailAndKeepsDestination) {
    bin::stringstream s("abc");
    std::uint32_t value = 77;
    s.Read(value);
    EXPECT_EQ(s.rdstate(), kEofFail);
    EXPECT_EQ(value, 77u);

    char raw[4] = {'w', 'x', 'y', 'z'};
    bin::stringstream r("abc");
    r.ReadRaw(raw, 4);
    EXPECT_EQ(r.rdstate(), kEofFail);
    EXPECT_EQ(std::string(raw, 4), "wxyz");

    bin::stringstream empty;
    std::uint8_t byte = 9;
    empty.ReadByte(byte);
    EXPECT_EQ(empty.rdstate(), kEofFail);
    EXPECT_EQ(byte, 9);
}

TEST(IStreamPrimitives, FailedStreamReadsNothing) {
    bin::stringstream s(Le32(5) + Le32(6));
    s.setstate(std::ios_base::failbit);
    std::int32_t v = -1;
    s.Read(v);
    EXPECT_EQ(v, -1);
    s.clear();
    s.Read(v);  // nothing was consumed while failed
    EXPECT_EQ(v, 5);

    // eof alone also stops a read, and the read reports failure as the standard guard does.
    s.setstate(std::ios_base::eofbit);
    s.Read(v);
    EXPECT_EQ(v, 5);
    EXPECT_EQ(s.rdstate(), kEofFail);
}

TEST(IStreamPrimitives, LargeRawReadsWholeOrNothing) {
    std::string bytes(200000, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7);
    bin::stringstream s(bytes);
    std::string dst(bytes.size(), '?');
    s.ReadRaw(&dst[0], dst.size());
    EXPECT_TRUE(s.good());
    EXPECT_EQ(dst, bytes);

    bin::stringstream shortly(bytes.substr(0, 150000));
    std::string untouched(bytes.size(), '?');
    shortly.ReadRaw(&untouched[0], untouched.size());
    EXPECT_EQ(shortly.rdstate(), kEofFail);
    EXPECT_EQ(untouched, std::string(bytes.size(), '?'));
}

TEST(IStreamText, ReadsUpToTheZeroByte) {
    bin::stringstream s(Text("Alpha") + Text("") + Text("\x82\xA0 x"));
    std::string a = "old", b = "old", c;
    s.ReadText(a).ReadText(b).ReadText(c);
    EXPECT_TRUE(s.good());
    EXPECT_EQ(a, "Alpha");
    EXPECT_EQ(b, "");
    EXPECT_EQ(c, "\x82\xA0 x");
}

TEST(IStreamText, MissingTerminatorKeepsBytesAndFails) {
    bin::stringstream s("abc");
    std::string t;
    s.ReadText(t);
    EXPECT_EQ(t, "abc");
    EXPECT_EQ(s.rdstate(), kEofFail);
    // Even a failed stream clears the destination of a text read.
    s.ReadText(t);
    EXPECT_EQ(t, "");
}

TEST(IStreamBlock, ReadsWholeBlockOrLeavesDestination) {
    bin::stringstream s("\x01\x02\x03\x04\x05");
    std::vector<std::uint8_t> block{9};
    s.ReadBlock(block, 3);
    EXPECT_EQ(block, (std::vector<std::uint8_t>{1, 2, 3}));
    s.ReadBlock(block, 3);
    EXPECT_EQ(s.rdstate(), kEofFail);
    EXPECT_EQ(block, (std::vector<std::uint8_t>{1, 2, 3}));

    bin::stringstream z("");
    z.ReadBlock(block, 0);
    EXPECT_TRUE(z.good());
    EXPECT_TRUE(block.empty());
}

TEST(IStreamComposite, OptionalRealAlwaysTakesNineBytes) {
    bin::stringstream s(std::string(1, '\0') + Real(123.0) + std::string(1, '\x05') + Real(4.25) + "Z");
    base::Optional_t<double> a = 1.0, b;
    s.ReadOptionalReal(a).ReadOptionalReal(b);
    EXPECT_FALSE(a.Has());
    ASSERT_TRUE(b.Has());
    EXPECT_EQ(*b, 4.25);
    std::uint8_t next = 0;
    s.ReadByte(next);
    EXPECT_EQ(next, 'Z');

    bin::stringstream cut(std::string(1, '\1') + Real(1.0).substr(0, 7));
    base::Optional_t<double> keep = 8.0;
    cut.ReadOptionalReal(keep);
    EXPECT_EQ(cut.rdstate(), kEofFail);
    EXPECT_EQ(*keep, 8.0);
}

TEST(IStreamComposite, EnumerationRangeIsInclusive) {
    bin::stringstream s(Le32(0) + Le32(2) + Le32(3) + Le32(1));
    std::int32_t v = 1;
    s.ReadEnum(v, 0, 2);
    EXPECT_EQ(v, 0);
    s.ReadEnum(v, 0, 2);
    EXPECT_EQ(v, 2);
    EXPECT_TRUE(s.good());
    s.ReadEnum(v, 0, 2);
    EXPECT_EQ(v, 2);
    EXPECT_EQ(s.rdstate(), std::ios_base::failbit);
    s.ReadEnum(v, 0, 2);  // failed: the following value stays unread
    EXPECT_EQ(v, 2);

    bin::stringstream neg(Le32(static_cast<std::uint32_t>(-1)));
    std::int32_t w = 5;
    neg.ReadEnum(w, 0, 16);
    EXPECT_TRUE(neg.fail());
    EXPECT_EQ(w, 5);
}

TEST(IStreamComposite, PositionWithAndWithoutAltitude) {
    bin::stringstream s(Pos(1 << 30, INT32_MIN, true, 55.5) + Pos(-(1 << 30), INT32_MAX));
    geo::Position_t a, b(1, 2, 3.0);
    s.ReadPosition(a).ReadPosition(b);
    ASSERT_TRUE(s.good());
    EXPECT_EQ(a, geo::Position_t(1 << 30, INT32_MIN, 55.5));
    EXPECT_EQ(b, geo::Position_t(-(1 << 30), INT32_MAX));
}

TEST(IStreamComposite, LatitudeBeyondPolesRaisesOutOfRange) {
    for (std::int32_t lat : {(1 << 30) + 1, -(1 << 30) - 1}) {
        bin::stringstream s(Pos(lat, 0));
        geo::Position_t p(5, 6);
        try {
            s.ReadPosition(p);
            FAIL() << lat;
        } catch (const base::OutOfRange_t& e) {
            EXPECT_STREQ(e.File(), "GEO_Position");
            EXPECT_EQ(e.Line(), 63);
        }
        EXPECT_EQ(p, geo::Position_t(5, 6));
    }
}

TEST(IStreamComposite, ShortPositionLeavesDestination) {
    bin::stringstream s(Pos(1, 2).substr(0, 16));
    geo::Position_t p(7, 8);
    s.ReadPosition(p);
    EXPECT_EQ(s.rdstate(), kEofFail);
    EXPECT_EQ(p, geo::Position_t(7, 8));
}

TEST(IStreamComposite, PositionListStoredOnlyWhenComplete) {
    bin::stringstream s(Le32(2) + Pos(1, 2) + Pos(3, 4, true, 9.0));
    std::vector<geo::Position_t> list{geo::Position_t(9, 9)};
    s.ReadPositions(list);
    ASSERT_TRUE(s.good());
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[1], geo::Position_t(3, 4, 9.0));

    bin::stringstream zero(Le32(0));
    zero.ReadPositions(list);
    EXPECT_TRUE(zero.good());
    EXPECT_TRUE(list.empty());

    bin::stringstream cut(Le32(3) + Pos(1, 2) + Pos(3, 4));
    std::vector<geo::Position_t> keep{geo::Position_t(9, 9)};
    cut.ReadPositions(keep);
    EXPECT_EQ(cut.rdstate(), kEofFail);
    EXPECT_EQ(keep, std::vector<geo::Position_t>{geo::Position_t(9, 9)});
}

TEST(IStreamComposite, HugePositionCountFailsAtTheEndOfData) {
    bin::stringstream s(Le32(0xFFFFFFFFu) + Pos(1, 2));
    std::vector<geo::Position_t> list;
    s.ReadPositions(list);
    EXPECT_EQ(s.rdstate(), kEofFail);
    EXPECT_TRUE(list.empty());
}

TEST(IStreamComposite, BadLatitudeInsideListLeavesList) {
    bin::stringstream s(Le32(2) + Pos(1, 2) + Pos(INT32_MAX, 4));
    std::vector<geo::Position_t> list{geo::Position_t(9, 9)};
    EXPECT_THROW(s.ReadPositions(list), base::OutOfRange_t);
    EXPECT_EQ(list.size(), 1u);
}

// A buffer whose reads throw, as a failing device might.
class ThrowingBuf_t : public std::streambuf {
protected:
    int_type underflow() override { throw std::runtime_error("device"); }
};

TEST(IStreamState, BufferExceptionSetsBadOrPropagatesOnRequest) {
    ThrowingBuf_t buf;
    bin::istream s(&buf);
    std::int32_t v = 3;
    EXPECT_NO_THROW(s.Read(v));
    EXPECT_TRUE(s.bad());
    EXPECT_EQ(v, 3);

    bin::istream t(&buf);
    std::string text = "x";
    EXPECT_NO_THROW(t.ReadText(text));
    EXPECT_TRUE(t.bad());

    bin::istream loud(&buf);
    loud.exceptions(std::ios_base::badbit);
    std::uint8_t byte = 0;
    EXPECT_THROW(loud.ReadByte(byte), std::runtime_error);
    EXPECT_TRUE(loud.bad());
}

TEST(IStreamState, SeekForgetsEofButNotFailure) {
    bin::stringstream s(Le16(0x4142));
    std::uint32_t too_wide = 0;
    s.Read(too_wide);
    EXPECT_EQ(s.rdstate(), kEofFail);
    s.seekg(0);
    EXPECT_EQ(s.rdstate(), std::ios_base::failbit);  // still failed: the caller clears
    s.clear();
    s.seekg(0);
    EXPECT_EQ(s.tellg(), std::streampos(0));
    std::uint16_t v = 0;
    s.Read(v);
    EXPECT_EQ(v, 0x4142);
    s.seekg(5);
    EXPECT_TRUE(s.fail());  // beyond the data
}

}  // namespace
